#pragma once

#include "MailFileText.h"

#include <QByteArray>
#include <QString>

namespace fyn {

// An e-mail file read through the private module "mailread" (MailFileReader), loaded with the
// first dropped e-mail, so that no start pays for GMime and the libraries it brings.
class MailFile {
public:
    // False when the module cannot be loaded; failure then names the file and the reason.
    static bool Read(const QByteArray& file, MailFileText& read, QString& failure);
};

} // namespace fyn
