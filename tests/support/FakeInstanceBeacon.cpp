#include "FakeInstanceBeacon.h"

#include "services/ServiceError.h"

namespace orbilo::test {

bool FakeInstanceBeacon::Claim(const std::string& title) {
    if (lockUnusable) throw ServiceError("instance lock unusable (injected)");
    if (otherInstanceRunning) return false;
    claimed.push_back(title);
    return true;
}

bool FakeInstanceBeacon::Activate(const std::string& title) {
    if (!otherInstanceRunning || !otherInstanceAnswers) return false;
    activated.push_back(title);
    return true;
}

}  // namespace orbilo::test
