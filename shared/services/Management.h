// What the programs ask of the system's management instrumentation: the identity of the
// computer's system disk (for the home machine on removable media).
#pragma once

#include <string>

namespace orbilo {

struct DiskIdentity {
    int driveType = 0;               // 3 for a local disk
    std::string volumeSerialNumber;  // compared as text, letter case significant
    double size = 0.0;               // bytes
};

class Management {
  public:
    virtual ~Management() = default;
    // The system disk ("C:" on Windows, the volume mounted at "/" on Linux). Throws
    // ServiceError when it cannot be examined.
    virtual DiskIdentity SystemDisk() = 0;
};

}  // namespace orbilo
