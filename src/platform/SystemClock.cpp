#include "SystemClock.h"

namespace fyn {

QDate SystemClock::today() const {
    return QDate::currentDate();
}

} // namespace fyn
