#pragma once

#include "MailContent.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

namespace fyn {

// Builds a complete MIME message with GMime so that encodings, line lengths and headers come
// out right: the body as UTF-8 quoted-printable (servers without 8BITMIME mangle 8-bit text),
// each attachment as base64 application/octet-stream. It is the private module "mime": GMime
// brings GLib, GIO and GPGME, which only a message sent through a command needs.
class MimeComposer {
public:
    // With an empty fromAddress the message has no From, and the mail system adds its own.
    static QByteArray Compose(const MailContent& content, const QString& originatorName,
                              const QString& fromAddress, const QDateTime& date);
};

} // namespace fyn

// The module's entry, found by name; MimeMessage loads the module and calls it.
extern "C" Q_DECL_EXPORT void fynComposeMimeMessage(const fyn::MailContent& content,
                                                    const QString& originatorName,
                                                    const QString& fromAddress,
                                                    const QDateTime& date, QByteArray& message);
