#pragma once

#include "MonthTotals.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace fyn {

struct Contact;
class GroupSheet;
class MonthContacts;
class StringTable;
class Wording;

// The publishers still missing the report month, as the dialog that reminds them all shows
// them: who can be mailed, who was reminded too recently, who must be called instead, and
// the month's totals above. Which rows go is decided here; the dialog only shows the rows.
class ReminderList {
public:
    enum class AddressState {
        Usable,
        None,
        // Fails the main window's own test, which the single reminder button uses.
        Unusable,
        // Passes that test but not the mailer's strict check: a line break, a quote, two
        // addresses.
        Refused
    };

    struct Row {
        int index = 0; // the publisher's record in the sheet
        QString name;
        QString address; // trimmed
        AddressState state = AddressState::None;
        QStringList phones;
        QString lastContact; // empty when none this month
        bool remindedRecently = false;
        bool ticked = false;

        bool tickable() const { return state == AddressState::Usable; }
    };

    ReminderList(const GroupSheet& sheet, const Wording& wording, const StringTable& strings);
    // The list refers to the wording it is given, which must outlive it.
    ReminderList(const GroupSheet&, Wording&&, const StringTable&) = delete;

    // The missing publishers in record order; contacts may be null when the log is not there.
    void Fill(const MonthContacts* contacts, const QDateTime& now);
    // Takes the last contacts afresh, after sending, and unticks whoever was reminded.
    void RefreshContacts(const MonthContacts* contacts, const QDateTime& now);
    // Does nothing for a row that cannot be ticked.
    void Toggle(int row);

    const std::vector<Row>& rows() const { return rows_; }
    QList<int> tickedRows() const;
    bool anyTicked() const { return !tickedRows().isEmpty(); }
    // The row as one line of the list: name, address or why none, phones, last contact.
    QString RowText(int row) const;
    // "Odovzdane: 9 z 14" and the month's sums.
    QString TotalsLine() const;
    const MonthTotals& totals() const { return totals_; }

    static AddressState Classify(const QString& rawAddress);
    // A contact as a row shows it: how and when.
    static QString ContactText(const StringTable& strings, const Contact& contact);

private:
    QString lastContactText(const MonthContacts* contacts, int index) const;

    const GroupSheet& sheet_;
    const Wording& wording_;
    const StringTable& strings_;
    std::vector<Row> rows_;
    MonthTotals totals_;
};

} // namespace fyn
