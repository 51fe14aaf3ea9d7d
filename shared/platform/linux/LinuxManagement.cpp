#include "platform/linux/LinuxManagement.h"

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/linux/SystemError.h"

namespace orbilo::platform {
namespace {

// The UUID whose link in the folder leads to the block device with this device number.
std::string UuidOfDevice(const std::string& uuidFolder, dev_t device) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(uuidFolder, error)) {
        struct stat target {};
        if (::stat(entry.path().c_str(), &target) == 0 && S_ISBLK(target.st_mode) &&
            target.st_rdev == device) {
            return entry.path().filename().string();
        }
    }
    return {};
}

}  // namespace

DiskIdentity LinuxManagement::SystemDisk() {
    struct stat root {};
    if (::stat(m_rootPath.c_str(), &root) != 0) throw SystemError("cannot examine " + m_rootPath, errno);
    struct statvfs volume {};
    if (::statvfs(m_rootPath.c_str(), &volume) != 0) throw SystemError("cannot measure " + m_rootPath, errno);

    DiskIdentity identity;
    identity.driveType = 3;
    identity.size = static_cast<double>(volume.f_blocks) * static_cast<double>(volume.f_frsize);
    identity.volumeSerialNumber = UuidOfDevice(m_uuidFolder, root.st_dev);
    if (identity.volumeSerialNumber.empty()) {
        // Without udev's links (containers, minimal systems) the kernel's file-system id is the
        // most stable name the volume has.
        struct statfs info {};
        if (::statfs(m_rootPath.c_str(), &info) != 0)
            throw SystemError("cannot identify " + m_rootPath, errno);
        unsigned int words[2] = {};
        static_assert(sizeof(info.f_fsid) == sizeof(words));
        std::memcpy(words, &info.f_fsid, sizeof(words));
        char text[20];
        std::snprintf(text, sizeof(text), "%08X%08X", words[0], words[1]);
        identity.volumeSerialNumber = text;
    }
    return identity;
}

}  // namespace orbilo::platform
