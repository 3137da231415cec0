#pragma once

#include "TypeAhead.h"

#include <QTableWidget>

namespace fyn {

class YearWording;

// The year's table on screen: a publisher a row, the name, the twelve months and the status.
// The arrow keys go from cell to cell, Home and End to the first and the last month, letters
// typed pick a row by its name as the main list does, and Enter chooses the cell.
class YearGrid : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int kNameColumn = 0;
    static constexpr int kFirstMonthColumn = 1;
    static constexpr int kStatusColumn = 13;

    explicit YearGrid(QWidget* parent = nullptr);

    // Shows every publisher's months anew, keeping the current cell.
    void Fill(const YearWording& wording);
    void keyboardSearch(const QString& search) override;

Q_SIGNALS:
    // A publisher (1 ..) and a month column (0 .. 11) chosen with Enter or a double click.
    void monthChosen(int index, int column);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(const QModelIndex& index);

    TypeAhead typeAhead_;
};

} // namespace fyn
