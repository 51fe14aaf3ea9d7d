// The file-system operations both programs rely on: drives and their types, existence tests,
// folder creation, copies and version texts. Every operation may throw ServiceError.
#pragma once

#include <cstddef>
#include <string>

namespace orbilo {

// Drive type codes as the system defines them.
enum class DriveType : int {
    Unknown = 0,
    Removable = 1,
    Fixed = 2,
    Remote = 3,
    CDRom = 4,
    RAMDisk = 5,
};

struct DriveInfo {
    int typeCode = 0;    // 0..5, or any other code a backend reports
    std::string letter;  // Windows: "E"; Linux: the mount point, e.g. "/media/ann/STICK"
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // The folder separator of this platform: '\\' on Windows, '/' on Linux.
    virtual char Separator() const = 0;

    // Drive part of a path ("E:" on Windows, the mount point on Linux, found after following
    // symbolic links, so a link onto a stick names the stick). Throws when the path lies on no
    // drive.
    virtual std::string GetDriveName(const std::string& path) = 0;
    // The drive named by GetDriveName. Throws when the drive cannot be examined.
    virtual DriveInfo GetDrive(const std::string& driveName) = 0;

    virtual bool FileExists(const std::string& path) = 0;
    // A file the system can start as a program: Windows: the extension "exe" in any case;
    // Linux: a regular file with an execute bit, or the suffix ".bin".
    virtual bool IsProgramFile(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    // Creates one folder whose parent exists; throws when it does not exist afterwards.
    virtual void CreateFolder(const std::string& path) = 0;
    virtual void SetFolderHidden(const std::string& path) = 0;
    // Version text of an executable such as "1.2.0.0"; empty when it carries none.
    virtual std::string GetFileVersion(const std::string& path) = 0;
    virtual void CopyFile(const std::string& source, const std::string& destination, bool overwrite) = 0;

    // Whole-file access for the data files. ReadFile throws when the file is missing,
    // unreadable or larger than kMaxDataFileBytes. WriteFile replaces the file atomically:
    // a crash or a full disk leaves the previous file whole.
    static constexpr std::size_t kMaxDataFileBytes = 16u * 1024u * 1024u;
    virtual std::string ReadFile(const std::string& path) = 0;
    virtual void WriteFile(const std::string& path, const std::string& content) = 0;

    // Pure path helpers, the same on every backend apart from the separator.
    std::string GetFileName(const std::string& path) const;
    std::string GetExtensionName(const std::string& path) const;
};

}  // namespace orbilo
