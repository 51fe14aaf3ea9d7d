// The Linux platform services of one program, created once in main() and handed to the logic.
#pragma once

#include "platform/linux/IniSettingsStore.h"
#include "platform/linux/LinuxClock.h"
#include "platform/linux/LinuxFileSystem.h"
#include "platform/linux/LinuxManagement.h"
#include "platform/linux/LinuxShell.h"
#include "platform/linux/LinuxSystem.h"
#include "platform/linux/LocalSocketBeacon.h"
#include "services/Services.h"

namespace orbilo::platform {

class LinuxPlatform {
  public:
    LinuxPlatform() = default;
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

    // References into this object: it must outlive every user of the bundle.
    Services GetServices();

  private:
    LinuxFileSystem m_fileSystem;
    LinuxShell m_shell;
    IniSettingsStore m_settings;
    LinuxSystem m_system;
    LocalSocketBeacon m_beacon;
    LinuxManagement m_management;
    LinuxClock m_clock;
};

}  // namespace orbilo::platform
