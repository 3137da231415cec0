#include "ReminderList.h"

#include "GroupSheet.h"
#include "MailAddress.h"
#include "MonthContacts.h"
#include "PublisherContacts.h"
#include "StringTable.h"
#include "TextIds.h"
#include "Wording.h"

#include <QLocale>

namespace fyn {

ReminderList::ReminderList(const GroupSheet& sheet, const Wording& wording,
                           const StringTable& strings)
    : sheet_(sheet), wording_(wording), strings_(strings) {}

ReminderList::AddressState ReminderList::Classify(const QString& rawAddress) {
    QString address = rawAddress;
    if (address.trimmed().isEmpty()) {
        return AddressState::None;
    }
    if (!PublisherContacts::IsUsableEmail(address)) {
        return AddressState::Unusable;
    }
    return MailAddress::IsValid(address) ? AddressState::Usable : AddressState::Refused;
}

void ReminderList::Fill(const MonthContacts* contacts, const QDateTime& now) {
    rows_.clear();
    totals_ = MonthTotals::Compute(sheet_, sheet_.reportMonth, sheet_.yearSlot);
    for (int index = 1; index <= sheet_.publisherCount(); ++index) {
        if (!sheet_.IsReportMissing(index, sheet_.reportMonth, sheet_.yearSlot)) {
            continue;
        }
        const PublisherView publisher = sheet_.publisher(index);
        Row row;
        row.index = index;
        row.name = wording_.PublisherName(index, true);
        row.address = publisher.email().trimmed();
        row.state = Classify(publisher.email());
        row.phones = publisher.usablePhones();
        rows_.push_back(row);
    }
    RefreshContacts(contacts, now);
    for (Row& row : rows_) {
        row.ticked = row.tickable() && !row.remindedRecently;
    }
}

void ReminderList::RefreshContacts(const MonthContacts* contacts, const QDateTime& now) {
    for (Row& row : rows_) {
        row.lastContact = lastContactText(contacts, row.index);
        row.remindedRecently = contacts != nullptr && contacts->RemindedRecently(row.index, now);
        row.ticked = row.ticked && !row.remindedRecently;
    }
}

QString ReminderList::lastContactText(const MonthContacts* contacts, int index) const {
    const Contact* last = contacts == nullptr ? nullptr : contacts->Last(index);
    return last == nullptr ? QString() : ContactText(strings_, *last);
}

QString ReminderList::ContactText(const StringTable& strings, const Contact& contact) {
    // The interface language's way, which the installed language makes the default.
    const QString when = QLocale().toString(contact.when.toLocalTime(), QLocale::ShortFormat);
    int id = text::kRemindLastEmail;
    if (contact.result == Contact::Result::Failed) {
        id = text::kRemindLastFailed;
    } else if (contact.result == Contact::Result::Uncertain) {
        id = text::kRemindLastUncertain;
    } else if (contact.channel == Contact::Channel::MailClient) {
        id = text::kRemindLastMailClient;
    } else if (contact.channel == Contact::Channel::Telephone) {
        id = text::kRemindLastTelephone;
    }
    return strings.text(id, {when});
}

void ReminderList::Toggle(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return;
    }
    Row& toggled = rows_[static_cast<std::size_t>(row)];
    toggled.ticked = toggled.tickable() && !toggled.ticked;
}

QList<int> ReminderList::tickedRows() const {
    QList<int> ticked;
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
        if (rows_[static_cast<std::size_t>(row)].ticked) {
            ticked.append(row);
        }
    }
    return ticked;
}

QString ReminderList::RowText(int row) const {
    const Row& shown = rows_[static_cast<std::size_t>(row)];
    QStringList parts{shown.name};
    switch (shown.state) {
    case AddressState::Usable:
        parts << shown.address;
        break;
    case AddressState::None:
        parts << strings_.text(text::kRemindNoAddress);
        break;
    case AddressState::Unusable:
        parts << strings_.text(text::kRemindUnusableAddress, {shown.address});
        break;
    case AddressState::Refused:
        // A line break in the address must not break the row.
        parts << strings_.text(text::kRemindRefusedAddress,
                               {QString(shown.address)
                                    .replace(QLatin1Char('\r'), QLatin1Char(' '))
                                    .replace(QLatin1Char('\n'), QLatin1Char(' '))});
        break;
    }
    if (!shown.tickable() && !shown.phones.isEmpty()) {
        parts << strings_.text(text::kRemindPhones, {shown.phones.join(QStringLiteral(", "))});
    }
    if (!shown.lastContact.isEmpty()) {
        parts << shown.lastContact;
    }
    return parts.join(QStringLiteral(" - "));
}

QString ReminderList::TotalsLine() const {
    return strings_.text(text::kRemindTotals,
                         {QString::number(totals_.reported), QString::number(totals_.publishers),
                          QString::number(totals_.inService), QString::number(totals_.hours),
                          QString::number(totals_.studies),
                          QString::number(totals_.auxiliaryPioneers)});
}

} // namespace fyn
