#pragma once

#include "MailContent.h"

#include <QString>
#include <functional>

class QObject;

namespace fyn {

class BusyIndicator;
class CommandRunner;
class MessageBoxes;
class Settings;
class StringTable;

// One e-mail message, sent once. The mail system is chosen from the settings at creation: a
// sendmail-compatible [Mail] Command gets a complete MIME message on its standard input and
// sends it without a window; without one, the desktop's mail client opens it through
// xdg-email for the user to send. Callers do not check what they add, so a bad recipient or an
// unreadable attachment is remembered, and Send then starts nothing and says why.
class Mailer {
public:
    enum Error {
        kNoError = 0,
        kNoMailSystem = 1,
        kInvalidMailSystem = 2,
        kBadRecipient = 3,
        kBadAttachment = 5
    };

    struct Services {
        CommandRunner& commands;
        const Settings& settings;
        MessageBoxes& messages;
        BusyIndicator& busy;
        const StringTable& strings;
    };

    static constexpr int kCommandTimeoutMs = 60000;
    static constexpr int kComposeTimeoutMs = 10000;

    // Reads [Mail] afresh; on failure shows why (61840, 61841, or the refused From address)
    // and sets the error.
    explicit Mailer(const Services& services);

    // The first failure's code, reset to 0 by asking.
    int TakeError();

    void SetOriginatorName(const QString& name) { originatorName_ = name; }
    // One recipient per piece between ";"; false when a piece is no valid address.
    bool AddRecipients(const QString& text);
    // Blind copies, each one checked address; only the mail client's compose window takes them.
    bool AddBlindCopies(const QStringList& addresses);
    void SetSubject(const QString& subject) { content_.subject = subject; }
    void SetBody(const QString& body) { content_.body = body; }
    // Reads the file whole now; false when it cannot be read. Its name is the path's unless
    // fileName is given.
    bool AddAttachment(const QString& path, const QString& fileName = {});
    // Sends, or hands the message to the mail client; false after a failure, which has
    // been shown.
    bool Send(int flags = 0);

    // True after a Send that only opened the mail client's compose window: the user still has
    // to send the message there.
    bool composedOnly() const { return composedOnly_; }
    // True after a Send whose compose window was still being opened when the wait ended: it is
    // not done yet, and may still fail. whenHandedOver then tells how it ended.
    bool stillHandingOver() const { return stillHandingOver_; }
    // Set before Send: called once a compose window still being opened at the end of the
    // wait has opened or failed (with the complaint, which may be empty), as long as receiver
    // exists. Nothing is shown; the caller tells the user, with FailureText for a failure.
    using HandedOver = std::function<void(bool opened, const QString& failure)>;
    void whenHandedOver(const QObject* receiver, HandedOver handedOver);
    // As whenHandedOver, telling the user in messages too: doneText once the compose window is
    // open, the failure box otherwise; then is called after the box.
    void tellWhenHandedOver(const QObject* receiver, MessageBoxes& messages,
                            const QString& doneText, HandedOver then = {});
    // True after a Send whose command was stopped at its time limit: it may have delivered, so
    // it is neither sent nor failed.
    bool mayHaveBeenSent() const { return mayHaveBeenSent_; }
    // The box for a failed send, with the command's complaint.
    static QString FailureText(const StringTable& strings, const QString& detail);
    void setTimeouts(int commandMs, int composeMs);
    // True when [Mail] Command sends the message; false for the desktop's mail client.
    bool usesCommand() const { return !command_.isEmpty(); }
    // [Mail] From, trimmed; empty when unset.
    const QString& fromAddress() const { return fromAddress_; }
    // Why the last Send failed: the command's complaint, or the refusal shown.
    const QString& failureDetail() const { return failureDetail_; }

private:
    void fail(int code, const QString& message);
    void remember(int code, const QString& refusal);
    bool sendThroughCommand();
    bool sendThroughMailClient();
    bool reportFailure(const QString& detail);

    const Services services_;
    int error_ = kNoError;
    // The message Send shows instead of sending, for the first bad recipient or attachment.
    QString refusal_;
    QStringList command_;
    QString fromAddress_;
    QString mailClientLauncher_;
    QString originatorName_;
    MailContent content_;
    bool composedOnly_ = false;
    bool stillHandingOver_ = false;
    bool mayHaveBeenSent_ = false;
    const QObject* lateReceiver_ = nullptr;
    HandedOver handedOver_;
    QString failureDetail_;
    int commandTimeoutMs_ = kCommandTimeoutMs;
    int composeTimeoutMs_ = kComposeTimeoutMs;
};

} // namespace fyn
