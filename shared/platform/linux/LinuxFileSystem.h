// The file-system service on Linux: drives are mount points, hidden folders follow the file
// managers' ".hidden" convention, and every whole-file write is atomic.
#pragma once

#include "platform/linux/MountTable.h"
#include "services/FileSystem.h"

namespace orbilo::platform {

class LinuxFileSystem : public FileSystem {
  public:
    explicit LinuxFileSystem(MountTable mounts = MountTable());

    char Separator() const override { return '/'; }
    // The mount point of the volume that really holds the path (symbolic links followed).
    std::string GetDriveName(const std::string& path) override;
    DriveInfo GetDrive(const std::string& driveName) override;
    bool FileExists(const std::string& path) override;
    bool IsProgramFile(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    void CreateFolder(const std::string& path) override;
    void SetFolderHidden(const std::string& path) override;
    // Linux executables carry no version resource.
    std::string GetFileVersion(const std::string& path) override;
    void CopyFile(const std::string& source, const std::string& destination, bool overwrite) override;
    std::string ReadFile(const std::string& path) override;
    void WriteFile(const std::string& path, const std::string& content) override;

  private:
    MountTable m_mounts;
};

}  // namespace orbilo::platform
