#pragma once

#include <QString>
#include <array>

namespace fyn {

class GroupSheet;

// What the main window offers to reach the selected publisher: the usable telephone numbers,
// packed from the front in record order, and an e-mail address while the report is missing.
struct PublisherContacts {
    std::array<QString, 3> phoneNumbers;
    int phoneCount = 0;
    int phoneIndex = 0;
    QString publisherEmail;

    // A number of 5 characters or fewer counts as no number.
    static PublisherContacts SelectPublisherContacts(const GroupSheet& sheet, int index);
    // Trims email in place; usable with a character before its "@" and a "." after it.
    static bool IsUsableEmail(QString& email);
};

} // namespace fyn
