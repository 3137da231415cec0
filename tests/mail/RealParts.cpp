#include "RealParts.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace fyn::test {

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

const char* const kParseMaildir = R"(
import base64, email, email.policy, json, os, sys
out = []
for sub in ("new", "cur"):
    folder = os.path.join(sys.argv[1], sub)
    for name in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
        raw = open(os.path.join(folder, name), "rb").read()
        m = email.message_from_bytes(raw, policy=email.policy.default)
        old = email.message_from_bytes(raw)
        body = m.get_body(preferencelist=("plain",))
        out.append({
            "to": [a.addr_spec for a in m["to"].addresses] if m["to"] else [],
            "rcptTo": str(m["X-RcptTo"] or ""),
            "from": str(m["from"] or ""),
            "subject": str(m["subject"] or ""),
            "rawSubject": str(old["subject"] or ""),
            "body": body.get_content() if body else "",
            "bodyCharset": body.get_content_charset() if body else "",
            "bodyEncoding": str(body["Content-Transfer-Encoding"] or "") if body else "",
            "date": str(m["date"] or ""),
            "messageId": str(m["message-id"] or ""),
            "mimeVersion": str(m["mime-version"] or ""),
            "attachments": [{
                "filename": a.get_filename(), "type": a.get_content_type(),
                "encoding": str(a["Content-Transfer-Encoding"] or ""),
                "data": base64.b64encode(a.get_payload(decode=True)).decode()}
                for a in m.iter_attachments()],
        })
print(json.dumps(out))
)";

int freePort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

} // namespace

MailSink::MailSink() = default;

MailSink::~MailSink() {
    if (server_.state() != QProcess::NotRunning) {
        server_.kill();
        server_.waitForFinished(5000);
    }
}

QString MailSink::start() {
    if (!QFile::exists(kPython) ||
        QStandardPaths::findExecutable(QStringLiteral("msmtp")).isEmpty()) {
        return QStringLiteral("needs /usr/bin/python3 and msmtp (tools/install-dependencies.sh)");
    }
    port_ = freePort();
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start(kPython, {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                            QStringLiteral("-l"), QStringLiteral("127.0.0.1:%1").arg(port_),
                            QStringLiteral("-c"), QStringLiteral("aiosmtpd.handlers.Mailbox"),
                            dir_.filePath(QStringLiteral("maildir"))});
    if (!server_.waitForStarted(5000)) {
        return QStringLiteral("cannot start aiosmtpd: ") + server_.errorString();
    }
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (server_.state() == QProcess::NotRunning) {
            return QStringLiteral("aiosmtpd ended at once; is python3-aiosmtpd installed?");
        }
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port_));
        if (socket.waitForConnected(200)) {
            return {};
        }
        QThread::msleep(100);
    }
    return QStringLiteral("aiosmtpd did not accept connections within 15 s");
}

QString MailSink::msmtpCommand(const QString& from) const {
    return QStringLiteral("msmtp --host=127.0.0.1 --port=%1 --tls=off --auth=off --from=%2 -t")
        .arg(port_)
        .arg(from);
}

QJsonArray MailSink::messages() const {
    QProcess parser;
    parser.start(kPython, {QStringLiteral("-c"), QString::fromUtf8(kParseMaildir),
                           dir_.filePath(QStringLiteral("maildir"))});
    if (!parser.waitForFinished(15000) || parser.exitCode() != 0) {
        qWarning() << "cannot read the Maildir:" << parser.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(parser.readAllStandardOutput()).array();
}

void MailSink::clear() {
    for (const char* sub : {"new", "cur"}) {
        QDir folder(dir_.filePath(QStringLiteral("maildir/") + QLatin1String(sub)));
        for (const QString& name : folder.entryList(QDir::Files)) {
            folder.remove(name);
        }
    }
}

DesktopSandbox::DesktopSandbox() {
    const auto set = [this](const char* name, const QByteArray& value, bool unset = false) {
        saved_.append({name, qgetenv(name)});
        if (unset) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    };
    const QByteArray root = QFile::encodeName(dir_.path());
    QDir(dir_.path()).mkpath(QStringLiteral("data/applications"));
    QDir(dir_.path()).mkpath(QStringLiteral("config"));
    QDir(dir_.path()).mkpath(QStringLiteral("system"));
    set("XDG_DATA_HOME", root + "/data");
    set("XDG_CONFIG_HOME", root + "/config");
    set("XDG_DATA_DIRS", root + "/system");
    set("XDG_CONFIG_DIRS", root + "/system");
    set("DISPLAY", ":fyn-test");
    set("XDG_CURRENT_DESKTOP", "X-Generic");
    for (const char* name : {"MAILER", "BROWSER", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                             "DBUS_SESSION_BUS_ADDRESS", "DESKTOP_SESSION", "WAYLAND_DISPLAY"}) {
        set(name, {}, true);
    }
}

DesktopSandbox::~DesktopSandbox() {
    for (auto it = saved_.crbegin(); it != saved_.crend(); ++it) {
        if (it->second.isNull()) {
            qunsetenv(it->first.constData());
        } else {
            qputenv(it->first.constData(), it->second);
        }
    }
}

QString DesktopSandbox::registerHandler(const QString& scheme, int sleepSeconds, int exitCode) {
    return registerScript(scheme,
                          QStringLiteral("printf '%s\\n' \"$@\" > '%1.part'\nmv '%1.part' '%1'\n"
                                         "sleep %2\nexit %3\n")
                              .arg(dir_.filePath(scheme + QStringLiteral(".args")))
                              .arg(sleepSeconds)
                              .arg(exitCode));
}

QString DesktopSandbox::registerScript(const QString& scheme, const QString& body) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty()) {
        return QStringLiteral("needs xdg-utils (tools/install-dependencies.sh)");
    }
    const QString script = dir_.filePath(scheme + QStringLiteral("-handler.sh"));
    QFile file(script);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("cannot write ") + script;
    }
    file.write(QStringLiteral("#!/bin/sh\n").toUtf8() + body.toUtf8());
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString entry = QStringLiteral("fyn-test-") + scheme + QStringLiteral(".desktop");
    QFile desktop(dir_.filePath(QStringLiteral("data/applications/") + entry));
    if (!desktop.open(QIODevice::WriteOnly)) {
        return QStringLiteral("cannot write the desktop entry");
    }
    desktop.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Recorder\nExec=%1 %u\n"
                                 "MimeType=x-scheme-handler/%2;\n")
                      .arg(script, scheme)
                      .toUtf8());
    desktop.close();
    QProcess mime;
    mime.start(QStringLiteral("xdg-mime"),
               {QStringLiteral("default"), entry, QStringLiteral("x-scheme-handler/") + scheme});
    if (!mime.waitForFinished(10000) || mime.exitCode() != 0) {
        return QStringLiteral("xdg-mime default failed: ") +
               QString::fromLocal8Bit(mime.readAllStandardError());
    }
    return {};
}

QString DesktopSandbox::slowDown(const QString& program, int seconds) {
    const QString real = QStandardPaths::findExecutable(program);
    const QString folder = dir_.filePath(QStringLiteral("slow"));
    QFile file(folder + QLatin1Char('/') + program);
    if (real.isEmpty() || !QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
        file.write(QStringLiteral("#!/bin/sh\nsleep %1\nexec '%2' \"$@\"\n")
                       .arg(seconds)
                       .arg(real)
                       .toUtf8()) < 0 ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner)) {
        return QStringLiteral("cannot slow down ") + program;
    }
    saved_.append({"PATH", qgetenv("PATH")});
    qputenv("PATH", QFile::encodeName(folder) + ':' + qgetenv("PATH"));
    return {};
}

QStringList DesktopSandbox::recorded(const QString& scheme) const {
    const QString record = dir_.filePath(scheme + QStringLiteral(".args"));
    const QDeadlineTimer deadline(10000);
    while (!QFile::exists(record) && !deadline.hasExpired()) {
        QThread::msleep(50);
    }
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace fyn::test
