#include "platform/linux/LinuxClock.h"

#include <ctime>

namespace orbilo::platform {

int LinuxClock::DayOfMonth() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_mday;
}

}  // namespace orbilo::platform
