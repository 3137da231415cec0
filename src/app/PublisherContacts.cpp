#include "PublisherContacts.h"

#include "GroupSheet.h"

namespace fyn {

PublisherContacts PublisherContacts::SelectPublisherContacts(const GroupSheet& sheet, int index) {
    PublisherContacts contacts;
    const PublisherView publisher = sheet.publisher(index);
    for (const QString& number : publisher.usablePhones()) {
        contacts.phoneNumbers[static_cast<std::size_t>(contacts.phoneCount++)] = number;
    }
    if (publisher.isReportMissing(sheet.reportMonth, sheet.yearSlot)) {
        contacts.publisherEmail = publisher.email();
    }
    if (!IsUsableEmail(contacts.publisherEmail)) {
        contacts.publisherEmail.clear();
    }
    return contacts;
}

bool PublisherContacts::IsUsableEmail(QString& email) {
    email = email.trimmed();
    const qsizetype at = email.indexOf(QLatin1Char('@'));
    return at >= 1 && email.indexOf(QLatin1Char('.'), at + 1) > at;
}

} // namespace fyn
