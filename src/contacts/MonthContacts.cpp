#include "MonthContacts.h"

#include "ContactStore.h"
#include "GroupSheet.h"

namespace fyn {

MonthContacts::MonthContacts(ContactStore& log, const GroupSheet& sheet)
    : log_(log), sheet_(sheet) {}

ContactLogResult MonthContacts::Load() {
    const ContactLogResult result = log_.ContactsOfMonth(sheet_.groupNumber(), sheet_.reportYear(),
                                                         sheet_.reportMonth + 1, contacts_);
    history_ = ContactHistory(contacts_);
    return result;
}

const Contact* MonthContacts::Last(int index) const {
    const PublisherView publisher = sheet_.publisher(index);
    return history_.Last(publisher.surname(), publisher.firstName(),
                         QStringList{publisher.email().trimmed()} + publisher.usablePhones());
}

const Contact* MonthContacts::LastReminder(int index) const {
    const PublisherView publisher = sheet_.publisher(index);
    return history_.LastReminder(publisher.surname(), publisher.firstName(), publisher.email());
}

bool MonthContacts::RemindedRecently(int index, const QDateTime& now) const {
    const PublisherView publisher = sheet_.publisher(index);
    return history_.RemindedRecently(publisher.surname(), publisher.firstName(), publisher.email(),
                                     now);
}

Contact MonthContacts::Describe(int index, Contact::Channel channel, const QString& address,
                                const QDateTime& now, Contact::Result outcome,
                                const QString& detail) const {
    const PublisherView publisher = sheet_.publisher(index);
    return Contact{sheet_.groupNumber(),
                   publisher.surname(),
                   publisher.firstName(),
                   sheet_.reportYear(),
                   sheet_.reportMonth + 1,
                   now.toUTC(),
                   channel,
                   address.trimmed(),
                   outcome,
                   detail};
}

ContactLogResult MonthContacts::Record(const Contact& contact) {
    const ContactLogResult result = log_.Record(contact);
    // Shown in this run even when it could not be recorded: the list must not offer the
    // same reminder again at once.
    contacts_.append(contact);
    history_ = ContactHistory(contacts_);
    return result;
}

} // namespace fyn
