#pragma once

#include <QDateTime>
#include <QString>

namespace fyn {

// One reminder or call, as the contact log keeps it. The publisher is known by the names as
// decoded from the sheet, within the sheet's group; the month is the report month it was about.
struct Contact {
    enum class Channel { Email, MailClient, Telephone };
    enum class Result { Done, Failed };

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
    // Why it failed: the mail command's complaint, for instance.
    QString detail;

    // A reminder that went out, or was handed to the mail client, counts; a failure does not.
    bool isReminder() const { return result == Result::Done && channel != Channel::Telephone; }
};

} // namespace fyn
