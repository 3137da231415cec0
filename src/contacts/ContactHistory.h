#pragma once

#include "Contact.h"

#include <QHash>
#include <QList>

namespace fyn {

// A month's contacts of a group, per publisher: what the reminder list shows beside each name
// and whether a reminder went out too recently to send another.
class ContactHistory {
public:
    static constexpr qint64 kRecentSeconds = 24 * 60 * 60;

    // The contacts oldest first, as the log answers them.
    explicit ContactHistory(const QList<Contact>& contacts);

    // The publisher's latest contact of any kind, or null.
    const Contact* Last(const QString& surname, const QString& firstName) const;
    // True when a reminder went out to the publisher (or to the mail client) in the
    // kRecentSeconds before now.
    bool RemindedRecently(const QString& surname, const QString& firstName,
                          const QDateTime& now) const;

private:
    struct Publisher {
        Contact last;
        QDateTime lastReminder;
    };
    static QString key(const QString& surname, const QString& firstName);

    QHash<QString, Publisher> publishers_;
};

} // namespace fyn
