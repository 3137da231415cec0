#pragma once

#include <QDate>

namespace fyn {

// Where the program takes the current date from, so that tests can fix it.
class Clock {
public:
    virtual ~Clock() = default;

    // The local calendar date.
    virtual QDate today() const = 0;
};

} // namespace fyn
