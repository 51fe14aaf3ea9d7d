// Drive type codes and their names, as both programs classify the drive they start from.
#pragma once

#include <optional>
#include <string>

namespace orbilo {

class FileSystem;

// The name reported when the drive of a path cannot be examined at all.
inline constexpr const char* kDriveNotDetermined = "NotDetermined";

// "Unknown", "Removable", "Fixed", "Remote", "CDRom" or "RAMDisk" for codes 0 to 5; empty text
// for any other code.
std::string DriveTypeNameOf(int typeCode);

// The type code of the drive that holds the path; nothing when the drive cannot be examined.
std::optional<int> ExamineDriveType(FileSystem& fileSystem, const std::string& path);

// The type code of the drive that holds the path; 0 when it cannot be determined.
int DriveTypeCode(FileSystem& fileSystem, const std::string& path);

// The root of the drive that holds the path, with a trailing separator ("E:\" on Windows, the
// mount point plus "/" on Linux). Throws ServiceError when the drive cannot be found.
std::string DriveRootOf(FileSystem& fileSystem, const std::string& path);

}  // namespace orbilo
