#pragma once

#include <QString>

namespace fyn {

// What an e-mail file says, as the module "mailread" reads it with GMime: the sender's address,
// the subject, and the text of its text part, or else of its HTML part (then html is true), in
// Unicode whatever its transfer encoding and charset.
struct MailFileText {
    QString sender;
    QString subject;
    QString text;
    bool html = false;
    // False when the message has no text part at all.
    bool hasText = false;
};

} // namespace fyn

// The module's entry, found by name; MailFile loads the module and calls it.
extern "C" Q_DECL_EXPORT void fynReadMailFile(const QByteArray& file, fyn::MailFileText& read);
