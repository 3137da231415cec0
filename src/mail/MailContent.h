#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace fyn {

// One file as it goes out: read whole when it was added, so that a file deleted or cut short
// afterwards cannot leave short.
struct MailAttachment {
    QString path;
    QString fileName;
    QByteArray content;
};

// What one message says, apart from who sends it.
struct MailContent {
    QStringList recipients;
    QStringList blindCopies;
    QString subject;
    QString body;
    QList<MailAttachment> attachments;
};

} // namespace fyn
