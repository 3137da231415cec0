#pragma once

#include <QString>
#include <QtGlobal>

namespace fyn {
class ContactStore;
} // namespace fyn

// The entry of the private module "contacts": the SQLite ContactLog with Qt SQL, which the
// program loads at the first reminder list, reminder or call through DeferredContactLog. The
// caller owns what it creates.
extern "C" {
Q_DECL_EXPORT fyn::ContactStore* fynCreateContactLog(const QString& path);
}
