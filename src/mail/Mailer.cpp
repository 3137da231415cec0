#include "Mailer.h"

#include "BusyIndicator.h"
#include "CommandRunner.h"
#include "MailAddress.h"
#include "MessageBoxes.h"
#include "MimeMessage.h"
#include "SchemeHandler.h"
#include "Settings.h"
#include "StringTable.h"
#include "TextIds.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace fyn {

namespace {

const QString kSection = QStringLiteral("Mail");
const QString kCommandKey = QStringLiteral("Command");
const QString kFromKey = QStringLiteral("From");

constexpr int kErrorLines = 10;
constexpr qsizetype kErrorCharacters = 1000;

// Enough of a command's complaint to tell the user what went wrong, not a screenful.
QString errorExcerpt(const QByteArray& standardError) {
    const QStringList lines =
        QString::fromLocal8Bit(standardError).trimmed().split(QLatin1Char('\n'));
    return lines.mid(0, kErrorLines).join(QLatin1Char('\n')).left(kErrorCharacters).trimmed();
}

QString failureOf(const CommandRunner::Result& result) {
    const QString excerpt = errorExcerpt(result.standardError);
    return excerpt.isEmpty() ? result.errorText : excerpt;
}

} // namespace

Mailer::Mailer(const Services& services) : services_(services) {
    if (services_.settings.HasSetting(kSection, kCommandKey)) {
        command_ = QProcess::splitCommand(services_.settings.ReadSetting(kSection, kCommandKey));
        const QString program =
            command_.isEmpty() ? QString() : services_.commands.findProgram(command_.first());
        fromAddress_ = services_.settings.ReadSetting(kSection, kFromKey).trimmed();
        if (program.isEmpty()) {
            fail(kInvalidMailSystem, services_.strings.text(text::kInvalidMailSystem));
            return;
        }
        // The command is fine; the user is to look at the address instead.
        if (!fromAddress_.isEmpty() && !MailAddress::IsValid(fromAddress_)) {
            fail(kInvalidMailSystem,
                 services_.strings.text(text::kInvalidFromSetting, {fromAddress_}));
            return;
        }
        command_.first() = program;
        return;
    }
    fromAddress_ = services_.settings.ReadSetting(kSection, kFromKey).trimmed();
    mailClientLauncher_ = services_.commands.findProgram(QStringLiteral("xdg-email"));
    // The look-up is part of a send the user started: a second click meanwhile is dropped.
    services_.busy.begin();
    const bool handled =
        !mailClientLauncher_.isEmpty() &&
        !SchemeHandler::DefaultHandler(services_.commands, QStringLiteral("mailto")).isEmpty();
    services_.busy.end();
    if (!handled) {
        fail(kNoMailSystem, services_.strings.text(text::kNoMailSystem));
    }
}

void Mailer::fail(int code, const QString& message) {
    services_.messages.inform(message, MessageBoxes::Icon::Warning);
    error_ = code;
}

void Mailer::remember(int code, const QString& refusal) {
    if (error_ == kNoError) {
        error_ = code;
    }
    if (refusal_.isEmpty()) {
        refusal_ = refusal;
    }
}

int Mailer::TakeError() {
    return std::exchange(error_, kNoError);
}

void Mailer::setTimeouts(int commandMs, int composeMs) {
    commandTimeoutMs_ = commandMs;
    composeTimeoutMs_ = composeMs;
}

bool Mailer::AddRecipients(const QString& text) {
    for (const QString& piece : MailAddress::SplitRecipients(text)) {
        if (!MailAddress::IsValid(piece)) {
            remember(kBadRecipient, services_.strings.text(text::kInvalidEmail, {piece}));
            return false;
        }
        content_.recipients.append(piece);
    }
    return true;
}

bool Mailer::AddBlindCopies(const QStringList& addresses) {
    for (const QString& address : addresses) {
        if (!MailAddress::IsValid(address)) {
            remember(kBadRecipient, services_.strings.text(text::kInvalidEmail, {address}));
            return false;
        }
        content_.blindCopies.append(address);
    }
    return true;
}

bool Mailer::AddAttachment(const QString& path, const QString& fileName) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        remember(kBadAttachment,
                 services_.strings.text(text::kSendMailFailed) + QStringLiteral("\n\n") + path);
        return false;
    }
    content_.attachments.append({QFileInfo(path).absoluteFilePath(),
                                 fileName.isEmpty() ? QFileInfo(path).fileName() : fileName,
                                 file.readAll()});
    return true;
}

bool Mailer::Send(int /*flags*/) {
    if (!refusal_.isEmpty()) {
        failureDetail_ = refusal_;
        services_.messages.inform(refusal_, MessageBoxes::Icon::Warning);
        return false;
    }
    if (!command_.isEmpty()) {
        return sendThroughCommand();
    }
    if (!mailClientLauncher_.isEmpty()) {
        return sendThroughMailClient();
    }
    return false;
}

bool Mailer::sendThroughCommand() {
    CommandRunner::Request request;
    request.program = command_.first();
    request.arguments = command_.mid(1);
    QString failure;
    request.input = MimeMessage::Compose(content_, originatorName_, fromAddress_,
                                         QDateTime::currentDateTime(), failure);
    if (request.input.isEmpty()) {
        return reportFailure(services_.strings.text(text::kModuleMissing, {failure}));
    }
    request.timeoutMs = commandTimeoutMs_;
    request.windowsBusy = true;
    services_.busy.begin();
    const CommandRunner::Result result = services_.commands.run(request);
    services_.busy.end();
    if (result.succeeded()) {
        return true;
    }
    if (result.outcome == CommandRunner::Result::Outcome::TimedOut) {
        // It was killed, but it may have handed the message on before.
        mayHaveBeenSent_ = true;
        failureDetail_ = services_.strings.text(text::kMailMayHaveGone,
                                                {QString::number(commandTimeoutMs_ / 1000)});
        services_.messages.inform(failureDetail_, MessageBoxes::Icon::Warning);
        return false;
    }
    return reportFailure(failureOf(result));
}

bool Mailer::sendThroughMailClient() {
    CommandRunner::Request request;
    request.program = mailClientLauncher_;
    // Without --utf8, xdg-email cuts Slovak text and paths at the first non-ASCII character
    // in a C locale. Every address has passed the check, so none can pass for an option.
    request.arguments = {QStringLiteral("--utf8"), QStringLiteral("--subject"), content_.subject,
                         QStringLiteral("--body"), content_.body};
    for (const MailAttachment& attachment : std::as_const(content_.attachments)) {
        request.arguments << QStringLiteral("--attach") << attachment.path;
    }
    for (const QString& address : std::as_const(content_.blindCopies)) {
        request.arguments << QStringLiteral("--bcc") << address;
    }
    request.arguments << content_.recipients;
    request.timeoutMs = composeTimeoutMs_;
    // Some clients return only when they close; by then the message is theirs, and it must
    // outlive Fyn.
    request.handOver = true;
    if (handedOver_) {
        request.lateReceiver = lateReceiver_;
        request.whenLeftRunningEnds = [handedOver =
                                           handedOver_](const CommandRunner::Result& late) {
            handedOver(late.succeeded(), late.succeeded() ? QString() : failureOf(late));
        };
    }
    services_.busy.begin();
    const CommandRunner::Result result = services_.commands.run(request);
    services_.busy.end();
    if (result.succeeded()) {
        composedOnly_ = true;
        return true;
    }
    // Under load the launcher can take longer than the wait; its exit still decides.
    if (result.outcome == CommandRunner::Result::Outcome::LeftRunning) {
        stillHandingOver_ = true;
        return true;
    }
    return reportFailure(failureOf(result));
}

void Mailer::whenHandedOver(const QObject* receiver, HandedOver handedOver) {
    lateReceiver_ = receiver;
    handedOver_ = std::move(handedOver);
}

void Mailer::tellWhenHandedOver(const QObject* receiver, MessageBoxes& messages,
                                const QString& doneText, HandedOver then) {
    whenHandedOver(receiver, [&messages, &strings = services_.strings, doneText,
                              then = std::move(then)](bool opened, const QString& failure) {
        if (opened) {
            messages.inform(doneText);
        } else {
            messages.inform(FailureText(strings, failure), MessageBoxes::Icon::Warning);
        }
        if (then) {
            then(opened, failure);
        }
    });
}

QString Mailer::FailureText(const StringTable& strings, const QString& detail) {
    QString message = strings.text(text::kSendMailFailed);
    if (!detail.isEmpty()) {
        message += QStringLiteral("\n\n") + detail;
    }
    return message;
}

bool Mailer::reportFailure(const QString& detail) {
    failureDetail_ = detail;
    services_.messages.inform(FailureText(services_.strings, detail), MessageBoxes::Icon::Warning);
    return false;
}

} // namespace fyn
