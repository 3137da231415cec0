#include "DeferredContactLog.h"

#include "ContactsModule.h"
#include "PrivateModule.h"
#include "XdgFolders.h"

namespace fyn {

QString DeferredContactLog::defaultPath() {
    return XdgFolders::dataHome() + QStringLiteral("/fyn/contacts.sqlite");
}

DeferredContactLog::DeferredContactLog(QString path) : path_(std::move(path)) {}
DeferredContactLog::~DeferredContactLog() = default;

ContactStore* DeferredContactLog::loaded() {
    if (!log_ && loadError_.isEmpty()) {
        PrivateModule module(QStringLiteral("contacts"));
        if (auto* create = module.function<decltype(fynCreateContactLog)>("fynCreateContactLog")) {
            log_.reset(create(path_));
        } else {
            loadError_ = module.errorString();
        }
    }
    return log_.get();
}

ContactLogResult DeferredContactLog::missing() {
    ContactLogResult answer;
    answer.kind = ContactLogResult::Kind::ModuleMissing;
    answer.path = path_;
    answer.detail = loadError_;
    answer.firstOfRun = !told_;
    told_ = true;
    return answer;
}

ContactLogResult DeferredContactLog::Record(const Contact& contact) {
    ContactStore* log = loaded();
    return log != nullptr ? log->Record(contact) : missing();
}

ContactLogResult DeferredContactLog::ContactsOfMonth(int groupNumber, int reportYear,
                                                     int reportMonth, QList<Contact>& contacts) {
    ContactStore* log = loaded();
    return log != nullptr ? log->ContactsOfMonth(groupNumber, reportYear, reportMonth, contacts)
                          : missing();
}

} // namespace fyn
