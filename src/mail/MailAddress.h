#pragma once

#include <QString>
#include <QStringList>

namespace fyn {

// A recipient taken from a sheet is a whole plain address or nothing: what passes can neither
// end a mail header, add a recipient, nor be read as an option by the programs that carry it.
class MailAddress {
public:
    // At most 254 ASCII characters: one "@", a local part of letters, digits and "._%+-" with
    // no leading, trailing or doubled dot and no leading "-", and a domain of letter, digit
    // and hyphen labels joined by single dots, with at least one dot.
    static bool IsValid(const QString& address);
    // The pieces between ";", trimmed of blanks; empty and blank-only pieces are skipped.
    static QStringList SplitRecipients(const QString& text);
};

} // namespace fyn
