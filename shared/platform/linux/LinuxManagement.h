// The computer's identity on Linux: the volume mounted at "/", standing in for the system disk.
#pragma once

#include <string>

#include "services/Management.h"

namespace orbilo::platform {

class LinuxManagement : public Management {
  public:
    // The folder of file-system UUID links; a parameter so tests can give a fixture.
    explicit LinuxManagement(std::string uuidFolder = "/dev/disk/by-uuid", std::string rootPath = "/")
        : m_uuidFolder(std::move(uuidFolder)), m_rootPath(std::move(rootPath)) {}

    // Type 3 (a local disk), the root file system's UUID (else its statfs id in hex) and its
    // size in bytes.
    DiskIdentity SystemDisk() override;

  private:
    std::string m_uuidFolder;
    std::string m_rootPath;
};

}  // namespace orbilo::platform
