#pragma once

#include "Clock.h"

namespace fyn {

class SystemClock final : public Clock {
public:
    QDate today() const override;
};

} // namespace fyn
