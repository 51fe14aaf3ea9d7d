// A calendar fixed on a day a test chooses.
#pragma once

#include "services/Clock.h"

namespace orbilo::test {

class FakeClock : public Clock {
public:
    int DayOfMonth() override { return day; }
    int day = 7;
};

}  // namespace orbilo::test
