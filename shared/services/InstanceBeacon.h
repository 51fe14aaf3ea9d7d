// Finding and activating a running program of the suite by its application title
// ("Orbilo Korrin", "OrbiloHelp Korrin"), and being found under one's own title.
#pragma once

#include <functional>
#include <string>

namespace orbilo {

class InstanceBeacon {
  public:
    virtual ~InstanceBeacon() = default;

    // Becomes findable under the title. False when another running process holds it; throws
    // ServiceError when the instance lock cannot be used at all.
    virtual bool Claim(const std::string& title) = 0;
    // Asks the running process that holds the title to restore and raise its main window.
    // False when no such process answers.
    virtual bool Activate(const std::string& title) = 0;
    // Called on the user-interface thread when another process asks this one to come forward.
    virtual void SetActivateHandler(std::function<void()> handler) = 0;
};

}  // namespace orbilo
