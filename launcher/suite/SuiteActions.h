// The three actions that use what the suite registry found: show the help program (bringing a
// running one forward), open the product web site, and start a sibling program.
#pragma once

#include <string>

#include "interpreter/Interpreter.h"
#include "startup/Context.h"

namespace orbilo {

class InstanceBeacon;
class Messages;
class Shell;

class SuiteActions : public SiblingRunner {
  public:
    SuiteActions(Context& ctx, Shell& shell, InstanceBeacon& beacon, Messages& messages)
        : m_ctx(ctx), m_shell(shell), m_beacon(beacon), m_messages(messages) {}

    // Empty text when the help program was brought forward or started, and also when starting it
    // failed ("MessageRunBachanError" has then been shown); "MessageHelpShow" when it was not
    // found at start.
    std::string ShowHelp();
    // On failure shows "MessageRunGaganError".
    void OpenWebSite();
    // On failure shows "MessageRunGuruError".
    void RunSibling(int index) override;
    // The Help box's Help button once the box is closed: the help program, or the question
    // whether to download it, and the web site when the answer asks for it.
    void HelpButton();

  private:
    void Report(const char* messageId);

    Context& m_ctx;
    Shell& m_shell;
    InstanceBeacon& m_beacon;
    Messages& m_messages;
};

}  // namespace orbilo
