// Bundles the Linux services for the program's logic.
#include "platform/linux/LinuxPlatform.h"

namespace orbilo::platform {

Services LinuxPlatform::GetServices() {
    return Services{m_fileSystem, m_shell, m_settings, m_system, m_beacon, m_management, m_clock};
}

}  // namespace orbilo::platform
