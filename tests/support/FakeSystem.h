// A system with a settable current directory, system folder and screen.
#pragma once

#include <string>

#include "services/System.h"

namespace orbilo::test {

class FakeSystem : public System {
  public:
    std::string CurrentDirectory() override { return currentDirectory; }
    std::string WindowsFolder() override { return windowsFolder; }
    std::string ExecutableSuffix() const override { return ".bin"; }
    ScreenMetrics Screen() override { return screen; }

    std::string currentDirectory = "/home/ann/apps/Orbilo";
    std::string windowsFolder = "/usr";
    ScreenMetrics screen{1280 * 15, 1024 * 15, 15.0, 15.0};
};

}  // namespace orbilo::test
