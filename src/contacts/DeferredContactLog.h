#pragma once

#include "ContactStore.h"

#include <QString>
#include <memory>

namespace fyn {

// The contact log of the private module "contacts", loaded at its first use and kept for the
// run. A missing module is a log that cannot be written: the reminder or call still goes, and
// the first answer says which file could not be loaded.
class DeferredContactLog : public ContactStore {
public:
    // $XDG_DATA_HOME/fyn/contacts.sqlite, by default ~/.local/share/fyn/contacts.sqlite.
    static QString defaultPath();

    explicit DeferredContactLog(QString path = defaultPath());
    ~DeferredContactLog() override;

    ContactLogResult Record(const Contact& contact) override;
    ContactLogResult ContactsOfMonth(int groupNumber, int reportYear, int reportMonth,
                                     QList<Contact>& contacts) override;

private:
    ContactStore* loaded();
    ContactLogResult missing();

    QString path_;
    std::unique_ptr<ContactStore> log_;
    QString loadError_;
    bool told_ = false;
};

} // namespace fyn
