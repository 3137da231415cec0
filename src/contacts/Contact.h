#pragma once

#include <QDateTime>
#include <QString>

namespace fyn {

// One reminder or call, as the contact log keeps it. The publisher is known by the names as
// decoded from the sheet and the address or number used, within the sheet's group: two
// publishers of one name are two people. The month is the report month it was about.
struct Contact {
    enum class Channel { Email, MailClient, Telephone };
    // Uncertain: the mail command was stopped at its time limit, when it may already have
    // delivered; detail says so.
    enum class Result { Done, Failed, Uncertain };

    int groupNumber = 0;
    QString surname;
    QString firstName;
    int reportYear = 0;
    // 1 .. 12.
    int reportMonth = 0;
    // Always kept in UTC; show it with toLocalTime().
    QDateTime when;
    Channel channel = Channel::Email;
    // The e-mail address or the telephone number used.
    QString address;
    Result result = Result::Done;
    // Why it failed, or why it may not have gone: the mail command's complaint, for instance.
    QString detail;

    // A reminder that went out, may have gone, or was handed to the mail client counts; a
    // failure does not. Counting the uncertain one keeps a publisher from getting two.
    bool isReminder() const { return result != Result::Failed && channel != Channel::Telephone; }
    // The same publisher of the same month, through the same channel and address.
    bool isSamePublisherAndWay(const Contact& other) const {
        return groupNumber == other.groupNumber && reportYear == other.reportYear &&
               reportMonth == other.reportMonth && surname == other.surname &&
               firstName == other.firstName && channel == other.channel && address == other.address;
    }
    // The same, at the same moment.
    bool isSameEvent(const Contact& other) const {
        return isSamePublisherAndWay(other) && when == other.when;
    }
};

} // namespace fyn
