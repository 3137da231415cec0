#pragma once

#include "MailContent.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace fyn {

// A complete MIME message for a sendmail-compatible command. GMime builds it in the private
// module "mime" (MimeComposer), loaded with the first message, so that a start that sends
// nothing does not load GMime and the libraries it brings.
class MimeMessage {
public:
    // Empty when the module cannot be loaded; failure then names the file and the reason.
    static QByteArray Compose(const MailContent& content, const QString& originatorName,
                              const QString& fromAddress, const QDateTime& date, QString& failure);
};

} // namespace fyn
