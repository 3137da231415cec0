#pragma once

#include "MailContent.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace fyn {

// A complete MIME message for a sendmail-compatible command, built by GMime so that encodings,
// line lengths and headers come out right: the body as UTF-8 quoted-printable (servers without
// 8BITMIME mangle 8-bit text), each attachment as base64 application/octet-stream.
class MimeMessage {
public:
    // With an empty fromAddress the message has no From, and the mail system adds its own.
    static QByteArray Compose(const MailContent& content, const QString& originatorName,
                              const QString& fromAddress, const QDateTime& date);
};

} // namespace fyn
