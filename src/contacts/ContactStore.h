#pragma once

#include "Contact.h"
#include "ContactLogResult.h"

#include <QList>

namespace fyn {

// Where reminders and calls are kept: the SQLite ContactLog, which the program reaches through
// DeferredContactLog so that Qt SQL is loaded only when the log is first used.
class ContactStore {
public:
    virtual ~ContactStore() = default;

    virtual ContactLogResult Record(const Contact& contact) = 0;
    // The group's contacts about one report month, oldest first.
    virtual ContactLogResult ContactsOfMonth(int groupNumber, int reportYear, int reportMonth,
                                             QList<Contact>& contacts) = 0;
};

} // namespace fyn
