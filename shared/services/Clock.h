// The calendar as the programs need it; injected so that tests fix the day.
#pragma once

namespace orbilo {

class Clock {
public:
    virtual ~Clock() = default;
    // Today's day of the month, 1 to 31, in local time.
    virtual int DayOfMonth() = 0;
};

}  // namespace orbilo
