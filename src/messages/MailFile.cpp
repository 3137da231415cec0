#include "MailFile.h"

#include "PrivateModule.h"

namespace fyn {

bool MailFile::Read(const QByteArray& file, MailFileText& read, QString& failure) {
    PrivateModule module(QStringLiteral("mailread"));
    auto* readMail = module.function<decltype(fynReadMailFile)>("fynReadMailFile");
    if (readMail == nullptr) {
        failure = module.errorString();
        return false;
    }
    readMail(file, read);
    return true;
}

} // namespace fyn
