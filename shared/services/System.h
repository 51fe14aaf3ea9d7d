// What the programs need to know of the system they run on: the current directory, the
// system folder, the executable suffix and the screen.
#pragma once

#include <string>

namespace orbilo {

struct ScreenMetrics {
    int widthTwips = 0;
    int heightTwips = 0;
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
};

class System {
  public:
    virtual ~System() = default;

    // The process's current directory, as the system gives it (no separator added).
    virtual std::string CurrentDirectory() = 0;
    // The system's own folder (Windows: the Windows folder; Linux: "/usr"); empty when the
    // system gives no answer.
    virtual std::string WindowsFolder() = 0;
    // Suffix of the suite's executables: ".exe" on Windows, ".bin" on Linux.
    virtual std::string ExecutableSuffix() const = 0;
    virtual ScreenMetrics Screen() = 0;
};

}  // namespace orbilo
