#include "RunContacts.h"

#include <algorithm>

namespace fyn {

namespace {

bool ofMonth(const Contact& contact, int groupNumber, int reportYear, int reportMonth) {
    return contact.groupNumber == groupNumber && contact.reportYear == reportYear &&
           contact.reportMonth == reportMonth;
}

} // namespace

ContactLogResult RunContacts::Record(const Contact& contact) {
    expected_.removeIf(
        [&](const Contact& expected) { return expected.isSamePublisherAndWay(contact); });
    recorded_.append(contact);
    return log_ != nullptr ? log_->Record(contact) : ContactLogResult{};
}

void RunContacts::Expect(const Contact& contact) {
    Contact expected = contact;
    expected.result = Contact::Result::Uncertain;
    expected_.append(expected);
}

ContactLogResult RunContacts::ContactsOfMonth(int groupNumber, int reportYear, int reportMonth,
                                              QList<Contact>& contacts) {
    contacts.clear();
    ContactLogResult result;
    if (log_ != nullptr) {
        result = log_->ContactsOfMonth(groupNumber, reportYear, reportMonth, contacts);
        if (!result.ok()) {
            contacts.clear();
        }
    }
    const qsizetype fromLog = contacts.size();
    for (const QList<Contact>* kept : {&recorded_, &expected_}) {
        for (const Contact& contact : *kept) {
            const auto logged = contacts.cbegin() + fromLog;
            if (ofMonth(contact, groupNumber, reportYear, reportMonth) &&
                std::none_of(contacts.cbegin(), logged,
                             [&](const Contact& other) { return other.isSameEvent(contact); })) {
                contacts.append(contact);
            }
        }
    }
    std::stable_sort(contacts.begin(), contacts.end(),
                     [](const Contact& a, const Contact& b) { return a.when < b.when; });
    return result;
}

} // namespace fyn
