#pragma once

#include <QString>
#include <functional>

class QObject;

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

    enum class Outcome {
        NotSent,
        Sent,
        Composed,
        Failed,
        // Stopped at the time limit, perhaps after it had gone.
        MayHaveGone,
        // The mail client was still opening it when the wait ended: the late outcome follows.
        HandingOver
    };
    // The late outcome of HandingOver: Composed or Failed, with why.
    using Late = std::function<void(Outcome outcome, const QString& failure)>;

    // What became of the reminder, so that it can be recorded; failureDetail() says why it
    // failed or may not have gone. The address is shown first unless the user has just
    // confirmed it. late is called as long as lateReceiver exists.
    Outcome SendReminderEmail(const QString& address, const QString& monthName, bool showAddress,
                              const QObject* lateReceiver, const Late& late);
    const QString& failureDetail() const { return failureDetail_; }

private:
    Context context_;
    QString failureDetail_;
};

} // namespace fyn
