#pragma once
#include <QDateTime>

namespace pendrel {

// The computer's clock. The program reads UTC for the log and local time for
// the display and for the outing bonus month; tests freeze it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime nowUtc() const = 0;
    virtual QDateTime nowLocal() const = 0;
};

} // namespace pendrel
