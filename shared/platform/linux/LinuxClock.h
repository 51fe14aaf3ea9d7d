// The local calendar of this computer.
#pragma once

#include "services/Clock.h"

namespace orbilo::platform {

class LinuxClock : public Clock {
public:
    int DayOfMonth() override;
};

}  // namespace orbilo::platform
