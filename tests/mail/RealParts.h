#pragma once

#include <QJsonArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

// A real part the test needs (an SMTP sink, xdg-utils) is missing: in CI that is a failure,
// elsewhere the test says why and skips.
#define FYN_REQUIRE_PART(present, why)                                                             \
    do {                                                                                           \
        if (!(present)) {                                                                          \
            if (qEnvironmentVariable("CI") == QStringLiteral("true")) {                            \
                QFAIL(qPrintable(why));                                                            \
            }                                                                                      \
            QSKIP(qPrintable(why));                                                                \
        }                                                                                          \
    } while (false)

namespace fyn::test {

// A local SMTP server (Debian's python3-aiosmtpd) that stores every message in a Maildir.
class MailSink {
public:
    MailSink();
    ~MailSink();
    MailSink(const MailSink&) = delete;
    MailSink& operator=(const MailSink&) = delete;

    // Starts the server and waits until its port accepts connections; the reason when not.
    QString start();
    // The sendmail-compatible command that delivers to this sink.
    QString msmtpCommand(const QString& from) const;
    // Every message stored so far, parsed by Python's email package: to, rcptTo, from,
    // subject, rawSubject, body, bodyCharset, bodyEncoding, date, messageId, mimeVersion and
    // attachments (filename, type, encoding, data in base64).
    QJsonArray messages() const;
    void clear();

private:
    QTemporaryDir dir_;
    QProcess server_;
    int port_ = 0;
};

// A desktop of its own for xdg-utils: empty XDG folders, a dummy display, the generic desktop,
// and handler scripts that write their arguments to a file.
class DesktopSandbox {
public:
    DesktopSandbox();
    ~DesktopSandbox();
    DesktopSandbox(const DesktopSandbox&) = delete;
    DesktopSandbox& operator=(const DesktopSandbox&) = delete;

    // Registers a handler for "x-scheme-handler/<scheme>" that records its arguments, sleeps
    // for sleepSeconds and exits with exitCode. The reason when it could not.
    QString registerHandler(const QString& scheme, int sleepSeconds = 0, int exitCode = 0);
    // Registers a shell script of the test's own as the handler.
    QString registerScript(const QString& scheme, const QString& script);
    // The arguments the handler of the scheme was last called with, waiting up to 10 s.
    QStringList recorded(const QString& scheme) const;
    // Makes the program found first in PATH wait that long before doing its work.
    QString slowDown(const QString& program, int seconds);
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QList<QPair<QByteArray, QByteArray>> saved_;
};

} // namespace fyn::test
