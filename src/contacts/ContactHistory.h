#pragma once

#include "Contact.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace fyn {

// A month's contacts of a group, per publisher: what the reminder list shows beside each name
// and whether a reminder went out too recently to send another. A publisher is the names and
// the address or number used, so that two publishers of one name keep two histories.
class ContactHistory {
public:
    static constexpr qint64 kRecentSeconds = 24 * 60 * 60;

    explicit ContactHistory(const QList<Contact>& contacts);

    // The publisher's latest contact of any kind through one of the addresses, or null.
    const Contact* Last(const QString& surname, const QString& firstName,
                        const QStringList& addresses) const;
    // True until kRecentSeconds after the latest reminder to that address. A time ahead of
    // now (a clock that was fast and has been set right) counts from that time, not as old.
    bool RemindedRecently(const QString& surname, const QString& firstName, const QString& address,
                          const QDateTime& now) const;
    // The latest reminder to that address, or null.
    const Contact* LastReminder(const QString& surname, const QString& firstName,
                                const QString& address) const;

private:
    struct Publisher {
        Contact last;
        Contact lastReminder; // none while its time is not valid
    };
    static QString key(const QString& surname, const QString& firstName, const QString& address);

    QHash<QString, Publisher> publishers_;
};

} // namespace fyn
