#pragma once

#include <QList>
#include <QString>
#include <functional>

class QObject;

namespace fyn {

class Mailer;
class MailerFactory;
class MessageBoxes;
class StringTable;

// Reminds several publishers at once with the single reminder's subject and body. Through
// [Mail] Command each gets a message of their own, so nobody sees another's address, and the
// failures are summed up in one box at the end. Through the desktop's mail client one compose
// window takes every address as a blind copy, for the user to send there.
class BulkReminder {
public:
    struct Services {
        const MailerFactory& mailers;
        MessageBoxes& messages;
        const StringTable& strings;
    };

    struct Recipient {
        int index = 0; // the publisher's record in the sheet
        QString name;
        QString address; // one address that passed MailAddress::IsValid
    };

    // What became of one recipient, to be recorded.
    struct Delivery {
        enum class Outcome {
            Sent,
            Failed,
            // The mail command was stopped at its time limit, perhaps after it had delivered.
            MayHaveGone,
            // The mail client's compose window was still being opened when the wait ended;
            // the same recipient is recorded again, Sent or Failed, once it is known.
            HandingOver
        };
        int index = 0;
        QString address;
        // Handed to the desktop's mail client rather than sent by the mail command.
        bool toMailClient = false;
        Outcome outcome = Outcome::Sent;
        // Why it failed or may not have gone.
        QString failure;
    };

    // Called before each message with how many were tried so far, false cancelling the rest,
    // and once with done == total when the run is over.
    using Progress = std::function<bool(int done, int total)>;
    using Recorder = std::function<void(const Delivery&)>;

    explicit BulkReminder(const Services& services) : services_(services) {}

    // A compose window that opens, or fails, after the wait is recorded and told later, as long
    // as lateReceiver exists; record must stay callable that long.
    void Send(const QList<Recipient>& recipients, const QString& monthName,
              const Progress& progress, const Recorder& record,
              const QObject* lateReceiver = nullptr);

private:
    void sendEach(const QList<Recipient>& recipients, const QString& body, const Progress& progress,
                  const Recorder& record);
    void composeOne(Mailer& mailer, const QList<Recipient>& recipients, const QString& body,
                    const Recorder& record, const QObject* lateReceiver);

    Services services_;
};

} // namespace fyn
