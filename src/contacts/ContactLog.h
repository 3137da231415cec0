#pragma once

#include "ContactStore.h"

#include <QList>
#include <QString>
#include <functional>

namespace fyn {

// Every reminder and call, kept in an SQLite file so that a restart remembers them and two Fyn
// windows on the same group add to the same log without losing each other's entries. The file
// is opened when first used, never before: creating the log costs nothing. No failure
// escapes as an exception or stops the caller; each comes back as a result.
class ContactLog : public ContactStore {
public:
    // How long a write waits for another window that holds the file; after it was held too
    // long, the shorter wait until a write goes through again, so that a hundred reminders in
    // a row are not held up a hundred times.
    static constexpr int kBusyTimeoutMs = 2000;
    static constexpr int kBusyAgainTimeoutMs = 100;
    // Kept in the file's user_version, so that a later layout can migrate the contacts.
    static constexpr int kSchemaVersion = 1;

    explicit ContactLog(QString path, int busyTimeoutMs = kBusyTimeoutMs);
    ~ContactLog() override;
    ContactLog(const ContactLog&) = delete;
    ContactLog& operator=(const ContactLog&) = delete;

    ContactLogResult Record(const Contact& contact) override;
    ContactLogResult ContactsOfMonth(int groupNumber, int reportYear, int reportMonth,
                                     QList<Contact>& contacts) override;

    const QString& path() const { return path_; }

private:
    ContactLogResult withLog(const std::function<ContactLogResult()>& work);
    ContactLogResult open();
    ContactLogResult createFile();
    ContactLogResult prepareSchema();
    ContactLogResult insert(const Contact& contact);
    ContactLogResult setAsideDamagedFile();
    void disconnect();
    void setWait(int milliseconds);
    // Marks the first result worth telling in this run, and a set-aside file's first success.
    ContactLogResult finish(ContactLogResult answer);

    QString path_;
    const int busyTimeoutMs_;
    int waitMs_;
    QString connectionName_;
    bool connected_ = false;
    // A damaged file set aside while opening, told with the first result.
    QString setAsidePath_;
    bool told_ = false;
};

} // namespace fyn
