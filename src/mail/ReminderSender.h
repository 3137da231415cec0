#pragma once

#include <QString>

namespace fyn {

class MailerFactory;
class MessageBoxes;
class StringTable;

// Reminds a publisher whose report is missing, by e-mail.
class ReminderSender {
public:
    struct Context {
        MessageBoxes& messages;
        const StringTable& strings;
        const MailerFactory& mailers;
    };

    explicit ReminderSender(const Context& context) : context_(context) {}

    void SendReminderEmail(const QString& address, const QString& monthName);

private:
    Context context_;
};

} // namespace fyn
