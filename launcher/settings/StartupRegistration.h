// Starting the launcher with the system: the one start-up value and the small registry
// operations behind it. Failures of writing and deleting are reported and the caller goes on.
#pragma once

#include <string>

#include "startup/Context.h"

namespace orbilo {

class Shell;
class Messages;

class StartupRegistration {
  public:
    StartupRegistration(Context& ctx, Shell& shell, Messages& messages)
        : m_ctx(ctx), m_shell(shell), m_messages(messages) {}

    // Writes a string value by its full key; false (after the bug report) when it fails.
    bool ProgRegKeyCreateString(const std::string& key, const std::string& value);
    // Deletes a value by its full key; false (after the bug report) when it fails.
    bool ProgRegKeyDelete(const std::string& key);
    // The value's text; empty when it is absent or cannot be read, without a message.
    std::string ProgRegKeyRead(const std::string& key);

    // What the start-up value holds while StartWithWindows is on: ProgramFolder followed by the
    // executable's name.
    std::string LauncherExecutable() const;
    // Registers the launcher to start with the system (the settings file's fall-back in fixed
    // mode). False when the write failed.
    bool Register();
    // The Preferences box turned StartWithWindows to newState (0 or 1). Nothing happens when it
    // equals the current state; otherwise the registration follows it and StartWithWindows takes
    // the new state. The combined Options stay the caller's to set.
    void ChangeStartWithWindows(int newState);

  private:
    Context& m_ctx;
    Shell& m_shell;
    Messages& m_messages;
};

}  // namespace orbilo
