#include "PublisherContacts.h"

#include "GroupSheet.h"
#include "TextCodec.h"

namespace fyn {

using namespace layout;

namespace {
constexpr qsizetype kShortestUsableNumber = 6;
}

PublisherContacts PublisherContacts::SelectPublisherContacts(const GroupSheet& sheet, int index) {
    PublisherContacts contacts;
    const std::uint8_t* record = sheet.Record(index);
    for (const std::size_t field : {kPhone1, kPhone2, kPhone3}) {
        QString number = TextCodec::fieldToUnicode(record + field, kPhoneWidth);
        contacts.phoneNumbers[static_cast<std::size_t>(contacts.phoneCount)] = number;
        if (number.size() >= kShortestUsableNumber) {
            ++contacts.phoneCount;
        }
    }
    if (sheet.IsReportMissing(index, sheet.reportMonth, sheet.yearSlot)) {
        contacts.publisherEmail = TextCodec::fieldToUnicode(record + kEmail, kEmailWidth);
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
