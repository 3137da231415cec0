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

    enum class Outcome { NotSent, Sent, Composed, Failed };

    // What became of the reminder, so that it can be recorded; failureDetail() says why it
    // failed.
    Outcome SendReminderEmail(const QString& address, const QString& monthName);
    const QString& failureDetail() const { return failureDetail_; }

private:
    Context context_;
    QString failureDetail_;
};

} // namespace fyn
