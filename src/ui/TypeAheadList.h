#pragma once

#include <QElapsedTimer>
#include <QListWidget>

namespace fyn {

// A list that finds an entry by the first letters typed, as Qt's lists do, and failing an exact
// match, by the letters without their diacritics: "Dur" finds "Ďurica" on a keyboard that has
// no Ď, as a Polish or Greek one may lack a letter of a Slovak sheet.
class TypeAheadList : public QListWidget {
    Q_OBJECT

public:
    using QListWidget::QListWidget;

    void keyboardSearch(const QString& search) override;

    // The row of the first entry from row start on (wrapping) that begins with typed, exactly
    // (ignoring case) if any does, else with the diacritics set aside; -1 when none.
    static int Find(const QStringList& entries, const QString& typed, int start);

private:
    QString typed_;
    QElapsedTimer sinceTyped_;
};

} // namespace fyn
