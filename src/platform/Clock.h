#pragma once

#include <QDate>
#include <QDateTime>

namespace fyn {

// Where the program takes the current date from, so that tests can fix it.
class Clock {
public:
    virtual ~Clock() = default;

    // The local calendar date.
    virtual QDate today() const = 0;
    // The moment a reminder or call is recorded at, in UTC.
    virtual QDateTime now() const { return QDateTime::currentDateTimeUtc(); }
};

} // namespace fyn
