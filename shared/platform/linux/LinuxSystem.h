// What the programs need to know of the Linux system they run on: the current directory, the
// system folder, the executable suffix and the primary screen in twips.
#pragma once

#include "services/System.h"

namespace orbilo::platform {

class LinuxSystem : public System {
  public:
    std::string CurrentDirectory() override;
    std::string WindowsFolder() override { return "/usr"; }
    // ".bin", not nothing: on a case-blind FAT stick a file "Orbilo" could not sit beside the
    // data folder "Orbilo".
    std::string ExecutableSuffix() const override { return ".bin"; }
    // Needs a QGuiApplication with a screen; throws ServiceError otherwise.
    ScreenMetrics Screen() override;
};

}  // namespace orbilo::platform
