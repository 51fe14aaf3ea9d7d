// The launch actions: each hands one string to the system exactly as it is given (nothing
// quoted, trimmed or encoded) and answers an empty text on success or what to report.
#pragma once

#include <string>

#include "interpreter/InstructionBox.h"
#include "services/Shell.h"
#include "startup/Context.h"

namespace orbilo {

// The mail link for an address, subject and body. Nothing is escaped: spaces and line breaks go
// into the link as they are.
std::string BuildMailLink(const std::string& address, const std::string& subject, const std::string& body);

// Opens a new mail in the user's mail program. Answers "" or "MessageProgramStartError".
std::string StartMail(Shell& shell, const std::string& address, const std::string& subject,
                      const std::string& body);

// The dialing result as the text to show; empty for success.
std::string DialResultText(int result);

class LaunchActions {
  public:
    LaunchActions(Context& ctx, Shell& shell, InstructionBox& box) : m_ctx(ctx), m_shell(shell), m_box(box) {}

    // These four empty the instruction box themselves when they succeed, whoever calls them.
    std::string RunProgram(const std::string& commandLine);
    std::string OpenFolder(const std::string& folder);
    std::string OpenWithShell(const std::string& target);
    // These three never touch the box.
    std::string StartMail(const std::string& address, const std::string& subject, const std::string& body);
    std::string DialNumber(const std::string& number);
    std::string OpenPanelApplet(const std::string& name);

  private:
    Context& m_ctx;
    Shell& m_shell;
    InstructionBox& m_box;
};

}  // namespace orbilo
