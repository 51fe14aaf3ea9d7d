// A computer whose system disk identity a test sets, or which cannot be examined.
#pragma once

#include "services/Management.h"
#include "services/ServiceError.h"

namespace orbilo::test {

class FakeManagement : public Management {
  public:
    DiskIdentity SystemDisk() override {
        if (unavailable) throw ServiceError("management unavailable (injected)");
        return disk;
    }

    DiskIdentity disk{3, "1A2B-3C4D", 512110190592.0};
    bool unavailable = false;
};

}  // namespace orbilo::test
