#include "ContactHistory.h"

namespace fyn {

ContactHistory::ContactHistory(const QList<Contact>& contacts) {
    for (const Contact& contact : contacts) {
        Publisher& publisher = publishers_[key(contact.surname, contact.firstName)];
        publisher.last = contact;
        if (contact.isReminder()) {
            publisher.lastReminder = contact.when;
        }
    }
}

const Contact* ContactHistory::Last(const QString& surname, const QString& firstName) const {
    const auto found = publishers_.constFind(key(surname, firstName));
    return found == publishers_.cend() ? nullptr : &found->last;
}

bool ContactHistory::RemindedRecently(const QString& surname, const QString& firstName,
                                      const QDateTime& now) const {
    const auto found = publishers_.constFind(key(surname, firstName));
    if (found == publishers_.cend() || !found->lastReminder.isValid()) {
        return false;
    }
    const qint64 age = found->lastReminder.secsTo(now);
    return age >= 0 && age < kRecentSeconds;
}

// Names hold no NUL: a sheet's texts end at the first one.
QString ContactHistory::key(const QString& surname, const QString& firstName) {
    return surname + QChar(0) + firstName;
}

} // namespace fyn
