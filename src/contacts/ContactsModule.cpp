#include "ContactsModule.h"

#include "ContactLog.h"

fyn::ContactStore* fynCreateContactLog(const QString& path) {
    return new fyn::ContactLog(path);
}
