#include "MimeMessage.h"

#include "MimeComposer.h"
#include "PrivateModule.h"

namespace fyn {

QByteArray MimeMessage::Compose(const MailContent& content, const QString& originatorName,
                                const QString& fromAddress, const QDateTime& date,
                                QString& failure) {
    PrivateModule module(QStringLiteral("mime"));
    auto* compose = module.function<decltype(fynComposeMimeMessage)>("fynComposeMimeMessage");
    if (compose == nullptr) {
        failure = module.errorString();
        return {};
    }
    QByteArray message;
    compose(content, originatorName, fromAddress, date, message);
    return message;
}

} // namespace fyn
