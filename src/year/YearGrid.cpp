#include "YearGrid.h"

#include "GroupSheet.h"
#include "StringTable.h"
#include "TextIds.h"
#include "Wording.h"
#include "YearWording.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace fyn {

YearGrid::YearGrid(QWidget* parent) : QTableWidget(parent) {
    setColumnCount(kStatusColumn + 1);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // One line a publisher, as in the main list.
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    connect(this, &QTableWidget::doubleClicked, this, &YearGrid::choose);
}

void YearGrid::Fill(const YearWording& wording) {
    const GroupYear& year = wording.year();
    const int count = year.sheet().publisherCount();
    const QModelIndex current = currentIndex();
    const StringTable& strings = wording.strings();

    QStringList headings{strings.text(text::kYearNameHeading)};
    for (int column = 0; column < GroupYear::kMonths; ++column) {
        headings << wording.yearHeading(column) + QLatin1Char('\n') + wording.shortMonth(column);
    }
    headings << strings.text(text::kYearStatusHeading);
    setHorizontalHeaderLabels(headings);

    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    const QPalette colours = palette();
    QFont pioneerFont = font();
    pioneerFont.setBold(true);
    setRowCount(count);
    // The hidden row headers carry the names too: a screen reader announces a cell's row by its
    // header.
    QStringList names;
    for (int row = 0; row < count; ++row) {
        const int index = row + 1;
        auto* name = new QTableWidgetItem(wording.wording().PublisherName(index, true));
        names << name->text();
        setItem(row, kNameColumn, name);
        for (int column = 0; column < GroupYear::kMonths; ++column) {
            const GroupYear::Cell cell = year.cell(index, column);
            auto* item = new QTableWidgetItem(wording.cellText(cell));
            const QString description = wording.cellDescription(column, cell);
            item->setData(Qt::AccessibleTextRole, description);
            item->setToolTip(description);
            item->setTextAlignment(Qt::AlignCenter);
            if (cell.kind == GroupYear::Kind::Missing) {
                item->setBackground(colours.color(QPalette::Midlight));
            } else if (cell.kind == GroupYear::Kind::ZeroReport) {
                item->setForeground(colours.color(QPalette::PlaceholderText));
            }
            if (cell.late) {
                item->setForeground(colours.color(QPalette::Link));
            }
            if (cell.pioneer != 0) {
                item->setFont(pioneerFont);
            }
            setItem(row, kFirstMonthColumn + column, item);
        }
        auto* status = new QTableWidgetItem(wording.statusText(year.status(index)));
        if (year.status(index) == GroupYear::Status::Inactive) {
            status->setFont(pioneerFont);
        }
        // An empty cell would be read as nothing at all.
        if (year.status(index) == GroupYear::Status::Regular) {
            status->setData(Qt::AccessibleTextRole, strings.text(text::kYearRegularName));
        }
        setItem(row, kStatusColumn, status);
    }
    setVerticalHeaderLabels(names);
    setCurrentIndex(current.isValid()
                        ? model()->index(current.row(), current.column())
                        : model()->index(0, kFirstMonthColumn + GroupYear::kMonths - 1));
}

void YearGrid::keyboardSearch(const QString& search) {
    QStringList names;
    for (int row = 0; row < rowCount(); ++row) {
        names << item(row, kNameColumn)->text();
    }
    const int row = typeAhead_.Next(names, search, currentRow());
    if (row >= 0) {
        setCurrentIndex(model()->index(row, std::max(currentColumn(), kFirstMonthColumn)));
    }
}

QModelIndex YearGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const int row = std::max(currentRow(), 0);
    if (action == MoveHome && !(modifiers & Qt::ControlModifier)) {
        return model()->index(row, kFirstMonthColumn);
    }
    if (action == MoveEnd && !(modifiers & Qt::ControlModifier)) {
        return model()->index(row, kFirstMonthColumn + GroupYear::kMonths - 1);
    }
    return QTableWidget::moveCursor(action, modifiers);
}

void YearGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        choose(currentIndex());
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void YearGrid::choose(const QModelIndex& index) {
    const int column = index.column() - kFirstMonthColumn;
    if (index.isValid() && column >= 0 && column < GroupYear::kMonths) {
        Q_EMIT monthChosen(index.row() + 1, column);
    }
}

} // namespace fyn
