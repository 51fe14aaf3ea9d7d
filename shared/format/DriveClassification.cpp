#include "format/DriveClassification.h"

#include <array>

#include "services/FileSystem.h"
#include "services/ServiceError.h"

namespace orbilo {

std::string DriveTypeNameOf(int typeCode) {
    static constexpr std::array<const char*, 6> kNames = {"Unknown", "Removable", "Fixed",
                                                          "Remote",  "CDRom",     "RAMDisk"};
    if (typeCode < 0 || typeCode >= static_cast<int>(kNames.size())) return {};
    return kNames[static_cast<std::size_t>(typeCode)];
}

std::optional<int> ExamineDriveType(FileSystem& fileSystem, const std::string& path) {
    try {
        return fileSystem.GetDrive(fileSystem.GetDriveName(path)).typeCode;
    } catch (const ServiceError&) {
        return std::nullopt;
    }
}

int DriveTypeCode(FileSystem& fileSystem, const std::string& path) {
    return ExamineDriveType(fileSystem, path).value_or(0);
}

std::string DriveRootOf(FileSystem& fileSystem, const std::string& path) {
    std::string root = fileSystem.GetDriveName(path);
    if (root.empty() || root.back() != fileSystem.Separator()) root += fileSystem.Separator();
    return root;
}

}  // namespace orbilo
