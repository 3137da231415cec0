#include "ContactHistory.h"

namespace fyn {

ContactHistory::ContactHistory(const QList<Contact>& contacts) {
    for (const Contact& contact : contacts) {
        Publisher& publisher =
            publishers_[key(contact.surname, contact.firstName, contact.address)];
        if (!publisher.last.when.isValid() || publisher.last.when <= contact.when) {
            publisher.last = contact;
        }
        if (contact.isReminder() && (!publisher.lastReminder.when.isValid() ||
                                     publisher.lastReminder.when <= contact.when)) {
            publisher.lastReminder = contact;
        }
    }
}

const Contact* ContactHistory::Last(const QString& surname, const QString& firstName,
                                    const QStringList& addresses) const {
    const Contact* latest = nullptr;
    for (const QString& address : addresses) {
        const auto found = publishers_.constFind(key(surname, firstName, address));
        if (found != publishers_.cend() && (latest == nullptr || latest->when < found->last.when)) {
            latest = &found->last;
        }
    }
    return latest;
}

bool ContactHistory::RemindedRecently(const QString& surname, const QString& firstName,
                                      const QString& address, const QDateTime& now) const {
    const Contact* reminder = LastReminder(surname, firstName, address);
    return reminder != nullptr && now < reminder->when.addSecs(kRecentSeconds);
}

const Contact* ContactHistory::LastReminder(const QString& surname, const QString& firstName,
                                            const QString& address) const {
    const auto found = publishers_.constFind(key(surname, firstName, address));
    return found == publishers_.cend() || !found->lastReminder.when.isValid()
               ? nullptr
               : &found->lastReminder;
}

// Names and addresses hold no NUL: a sheet's texts end at the first one.
QString ContactHistory::key(const QString& surname, const QString& firstName,
                            const QString& address) {
    return surname + QChar(0) + firstName + QChar(0) + address.trimmed();
}

} // namespace fyn
