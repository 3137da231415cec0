#pragma once

#include "ContactHistory.h"
#include "ContactLogResult.h"

namespace fyn {

class ContactStore;
class GroupSheet;

// The contact log as the reminder list and the remind and dial buttons use it: publishers by
// their index in the sheet, and the month always the sheet's report month.
class MonthContacts {
public:
    MonthContacts(ContactStore& log, const GroupSheet& sheet);

    // Reads the month's contacts of the sheet's group; until then none are known.
    ContactLogResult Load();
    // The publisher's latest contact this month, or null.
    const Contact* Last(int index) const;
    bool RemindedRecently(int index, const QDateTime& now) const;
    // The publisher's latest reminder this month, or null.
    const Contact* LastReminder(int index) const;
    // A contact with publisher index at now, about the sheet's report month.
    Contact Describe(int index, Contact::Channel channel, const QString& address,
                     const QDateTime& now, Contact::Result outcome = Contact::Result::Done,
                     const QString& detail = {}) const;
    // Records the contact and keeps it for Last.
    ContactLogResult Record(const Contact& contact);

private:
    ContactStore& log_;
    const GroupSheet& sheet_;
    QList<Contact> contacts_;
    ContactHistory history_{{}};
};

} // namespace fyn
