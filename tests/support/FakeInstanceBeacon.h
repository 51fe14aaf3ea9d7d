// Plays a running instance (or none) for the single-instance check.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "services/InstanceBeacon.h"

namespace orbilo::test {

class FakeInstanceBeacon : public InstanceBeacon {
  public:
    bool Claim(const std::string& title) override;
    bool Activate(const std::string& title) override;
    void SetActivateHandler(std::function<void()> handler) override { activateHandler = std::move(handler); }

    bool otherInstanceRunning = false;  // another process holds the title
    bool otherInstanceAnswers = true;   // and answers an activation
    bool lockUnusable = false;          // the instance lock cannot be used at all
    std::vector<std::string> claimed;
    std::vector<std::string> activated;
    std::function<void()> activateHandler;
};

}  // namespace orbilo::test
