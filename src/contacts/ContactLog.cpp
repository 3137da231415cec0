#include "ContactLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <optional>

namespace fyn {

namespace {

using Kind = ContactLogResult::Kind;

// SQLite's primary result codes; Qt passes on the extended ones, whose low byte they are.
constexpr int kSqlitePerm = 3;
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteNotADatabase = 26;

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;

const QString kCreateTable = QStringLiteral(
    "CREATE TABLE contacts ("
    " id INTEGER PRIMARY KEY,"
    " group_number INTEGER NOT NULL,"
    " surname TEXT NOT NULL,"
    " first_name TEXT NOT NULL,"
    " report_year INTEGER NOT NULL,"
    " report_month INTEGER NOT NULL CHECK (report_month BETWEEN 1 AND 12),"
    " contacted_at TEXT NOT NULL," // UTC, ISO 8601 with milliseconds: sorts as text
    " channel TEXT NOT NULL CHECK (channel IN ('email', 'mail-client', 'telephone')),"
    " address TEXT NOT NULL,"
    " result TEXT NOT NULL CHECK (result IN ('done', 'failed')),"
    " detail TEXT NOT NULL DEFAULT '')");
const QString kCreateIndex = QStringLiteral(
    "CREATE INDEX contacts_by_month ON contacts (group_number, report_year, report_month)");

QString channelName(Contact::Channel channel) {
    switch (channel) {
    case Contact::Channel::Email:
        return QStringLiteral("email");
    case Contact::Channel::MailClient:
        return QStringLiteral("mail-client");
    case Contact::Channel::Telephone:
        break;
    }
    return QStringLiteral("telephone");
}

Contact::Channel channelOf(const QString& name) {
    if (name == QStringLiteral("email")) {
        return Contact::Channel::Email;
    }
    return name == QStringLiteral("mail-client") ? Contact::Channel::MailClient
                                                 : Contact::Channel::Telephone;
}

// Qt binds a null string as NULL, which the columns refuse.
QString notNull(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

// A reminder that may have gone is kept as done with the reason it may not have: a Fyn that
// knows no third result then takes it as sent and does not remind again, and the file stays one
// that every Fyn reads. A plain done reminder has no detail.
Contact::Result resultOf(const QString& stored, const QString& detail) {
    if (stored != QStringLiteral("done")) {
        return Contact::Result::Failed;
    }
    return detail.isEmpty() ? Contact::Result::Done : Contact::Result::Uncertain;
}

QString storedDetail(const Contact& contact) {
    if (contact.result == Contact::Result::Done) {
        return QStringLiteral("");
    }
    if (contact.result == Contact::Result::Uncertain && contact.detail.isEmpty()) {
        return QStringLiteral("?");
    }
    return notNull(contact.detail);
}

QString timeText(const QDateTime& when) {
    return when.toUTC().toString(Qt::ISODateWithMs);
}

ContactLogResult result(Kind kind, const QString& path, const QString& detail = {}) {
    ContactLogResult answer;
    answer.kind = kind;
    answer.path = path;
    answer.detail = detail;
    return answer;
}

ContactLogResult failure(const QString& path, const QSqlError& error) {
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xFF;
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (numeric ? code : -1) {
    case kSqliteBusy:
    case kSqliteLocked:
        return result(Kind::Busy, path, detail);
    case kSqlitePerm:
    case kSqliteReadOnly:
        return result(Kind::ReadOnly, path, detail);
    case kSqliteFull:
        return result(Kind::DiskFull, path, detail);
    case kSqliteCantOpen:
        return result(Kind::CannotOpen, path, detail);
    case kSqliteCorrupt:
    case kSqliteNotADatabase:
        return result(Kind::Damaged, path, detail);
    default:
        return result(Kind::Failed, path, detail);
    }
}

// Runs the statements as one transaction. IMMEDIATE takes the write lock at the start, where
// the busy timeout waits for another window; a deferred one that later needs to write can be
// refused at once to avoid a deadlock.
ContactLogResult inTransaction(QSqlQuery& query, const QString& path,
                               const std::function<bool(QSqlQuery&)>& statements) {
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return failure(path, query.lastError());
    }
    if (statements(query) && query.exec(QStringLiteral("COMMIT"))) {
        return {};
    }
    const QSqlError error = query.lastError();
    query.exec(QStringLiteral("ROLLBACK"));
    return failure(path, error);
}

} // namespace

ContactLog::ContactLog(QString path, int busyTimeoutMs)
    : path_(std::move(path)), busyTimeoutMs_(busyTimeoutMs), waitMs_(busyTimeoutMs),
      connectionName_(QStringLiteral("fyn-contacts-%1").arg(quintptr(this), 0, 16)) {}

ContactLog::~ContactLog() {
    disconnect();
}

ContactLogResult ContactLog::Record(const Contact& contact) {
    return withLog([&] { return insert(contact); });
}

ContactLogResult ContactLog::ContactsOfMonth(int groupNumber, int reportYear, int reportMonth,
                                             QList<Contact>& contacts) {
    return withLog([&] {
        contacts.clear();
        QSqlQuery query(QSqlDatabase::database(connectionName_, false));
        query.prepare(QStringLiteral(
            "SELECT surname, first_name, contacted_at, channel, address, result, detail"
            " FROM contacts WHERE group_number = ? AND report_year = ? AND report_month = ?"
            " ORDER BY contacted_at, id"));
        query.addBindValue(groupNumber);
        query.addBindValue(reportYear);
        query.addBindValue(reportMonth);
        if (!query.exec()) {
            return failure(path_, query.lastError());
        }
        while (query.next()) {
            Contact contact;
            contact.groupNumber = groupNumber;
            contact.reportYear = reportYear;
            contact.reportMonth = reportMonth;
            contact.surname = query.value(0).toString();
            contact.firstName = query.value(1).toString();
            contact.when = QDateTime::fromString(query.value(2).toString(), Qt::ISODateWithMs);
            contact.channel = channelOf(query.value(3).toString());
            contact.address = query.value(4).toString();
            contact.detail = query.value(6).toString();
            contact.result = resultOf(query.value(5).toString(), contact.detail);
            contacts.append(contact);
        }
        return query.lastError().isValid() ? failure(path_, query.lastError()) : ContactLogResult();
    });
}

ContactLogResult ContactLog::withLog(const std::function<ContactLogResult()>& work) {
    // A damaged file is set aside once and the work done again in a new one.
    for (int attempt = 0;; ++attempt) {
        ContactLogResult answer = open();
        if (answer.ok()) {
            answer = work();
        }
        if (answer.kind != Kind::Damaged || attempt > 0) {
            setWait(answer.kind == Kind::Busy ? std::min(kBusyAgainTimeoutMs, busyTimeoutMs_)
                                              : busyTimeoutMs_);
            return finish(answer);
        }
        disconnect();
        if (ContactLogResult aside = setAsideDamagedFile(); !aside.ok()) {
            return finish(aside);
        }
    }
}

ContactLogResult ContactLog::open() {
    if (connected_) {
        return {};
    }
    if (ContactLogResult answer = createFile(); !answer.ok()) {
        return answer;
    }
    connected_ = true;
    const ContactLogResult opened = [this] {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
        database.setDatabaseName(path_);
        database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(waitMs_));
        return database.open() ? ContactLogResult() : failure(path_, database.lastError());
    }();
    ContactLogResult answer = opened.ok() ? prepareSchema() : opened;
    if (!answer.ok()) {
        disconnect();
    }
    return answer;
}

ContactLogResult ContactLog::createFile() {
    const QFileInfo file(path_);
    const QString folder = file.absolutePath();
    if (!QFileInfo::exists(folder)) {
        if (!QDir().mkpath(folder)) {
            return result(Kind::CannotOpen, path_);
        }
        QFile::setPermissions(folder, kOwnerOnly);
    }
    if (file.exists()) {
        // Personal data: readable by the user alone, whatever made the file. Write permission is
        // never added, so a file made read-only stays so.
        if (file.permissions() & ~kOwnerOnly) {
            QFile::setPermissions(path_, file.permissions() & kOwnerOnly);
        }
        return {};
    }
    // An empty file is an empty database; SQLite keeps the permissions it finds.
    QFile created(path_);
    if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                      QFile::ReadOwner | QFile::WriteOwner) &&
        !QFileInfo::exists(path_)) {
        return result(created.error() == QFileDevice::PermissionsError ? Kind::ReadOnly
                                                                       : Kind::CannotOpen,
                      path_, created.errorString());
    }
    return {};
}

ContactLogResult ContactLog::prepareSchema() {
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    const auto version = [&query]() -> std::optional<int> {
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
            return std::nullopt;
        }
        const int value = query.value(0).toInt();
        query.finish();
        return value;
    };
    std::optional<int> found = version();
    if (!found) {
        return failure(path_, query.lastError());
    }
    if (*found > kSchemaVersion) {
        return result(Kind::Newer, path_);
    }
    if (*found == kSchemaVersion) {
        return {};
    }
    // Another window may be creating the table at the same moment: look again under the lock.
    return inTransaction(query, path_, [&](QSqlQuery& statement) {
        found = version();
        if (!found) {
            return false;
        }
        if (*found != 0) {
            return true;
        }
        return statement.exec(kCreateTable) && statement.exec(kCreateIndex) &&
               statement.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    });
}

ContactLogResult ContactLog::insert(const Contact& contact) {
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    return inTransaction(query, path_, [&](QSqlQuery& statement) {
        statement.prepare(QStringLiteral(
            "INSERT INTO contacts (group_number, surname, first_name, report_year, report_month,"
            " contacted_at, channel, address, result, detail)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        statement.addBindValue(contact.groupNumber);
        statement.addBindValue(notNull(contact.surname));
        statement.addBindValue(notNull(contact.firstName));
        statement.addBindValue(contact.reportYear);
        statement.addBindValue(contact.reportMonth);
        statement.addBindValue(timeText(contact.when));
        statement.addBindValue(channelName(contact.channel));
        statement.addBindValue(notNull(contact.address));
        statement.addBindValue(contact.result == Contact::Result::Failed ? QStringLiteral("failed")
                                                                         : QStringLiteral("done"));
        statement.addBindValue(storedDetail(contact));
        return statement.exec();
    });
}

ContactLogResult ContactLog::setAsideDamagedFile() {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path_ + QStringLiteral(".damaged-") + stamp;
    for (int attempt = 2; QFileInfo::exists(aside); ++attempt) {
        aside = path_ + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(attempt);
    }
    if (!QFile::rename(path_, aside)) {
        return result(Kind::Damaged, path_);
    }
    // A journal left beside the new file would be played back into it.
    for (const QString& suffix :
         {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(path_ + suffix)) {
            QFile::rename(path_ + suffix, aside + suffix);
        }
    }
    setAsidePath_ = aside;
    return {};
}

void ContactLog::setWait(int milliseconds) {
    if (milliseconds == waitMs_) {
        return;
    }
    waitMs_ = milliseconds;
    if (connected_) {
        QSqlQuery(QSqlDatabase::database(connectionName_, false))
            .exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(milliseconds));
    }
}

void ContactLog::disconnect() {
    if (!connected_) {
        return;
    }
    QSqlDatabase::database(connectionName_, false).close();
    QSqlDatabase::removeDatabase(connectionName_);
    connected_ = false;
}

ContactLogResult ContactLog::finish(ContactLogResult answer) {
    if (answer.kind == Kind::Done && !setAsidePath_.isEmpty()) {
        answer.kind = Kind::DoneAfterSettingAside;
        answer.setAsidePath = std::exchange(setAsidePath_, QString());
    }
    // A file set aside is told whenever it happens; failures once, however many follow.
    if (answer.kind == Kind::DoneAfterSettingAside) {
        answer.firstOfRun = true;
    } else if (!answer.ok() && !told_) {
        answer.firstOfRun = true;
        told_ = true;
    }
    return answer;
}

} // namespace fyn
