#pragma once

#include "ContactStore.h"

namespace fyn {

// The contacts of this run, kept in memory for as long as the program runs, in front of the
// contact log. Whatever happens to the log (locked, read-only, full, missing), a publisher
// reminded in this run is still known as reminded, and a reminder still in a mail client's
// hands counts as one until it is known how it ended. The main window owns it.
class RunContacts final : public ContactStore {
public:
    // log may be null: then this run's memory is all there is.
    explicit RunContacts(ContactStore* log) : log_(log) {}

    // Kept in memory, then written to the log; the log's answer is returned.
    ContactLogResult Record(const Contact& contact) override;
    // The log's contacts of the month, read afresh, with this run's that the log lacks. The
    // answer is the log's, so that a log that cannot be read is told.
    ContactLogResult ContactsOfMonth(int groupNumber, int reportYear, int reportMonth,
                                     QList<Contact>& contacts) override;

    // A reminder whose outcome is not known yet (a compose window still being opened): it
    // counts as an uncertain one until Record gives its outcome.
    void Expect(const Contact& contact);

private:
    ContactStore* log_;
    QList<Contact> recorded_;
    QList<Contact> expected_;
};

} // namespace fyn
