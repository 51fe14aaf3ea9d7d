// The instruction box's meaning: the keys Enter, Backspace and Esc, the digit filter of the
// telephone Code, and double-click. Enter builds the target of the typed Code exactly and hands
// it to one launch action; a failure is reported through the message dialog.
#pragma once

#include <string>

#include "interpreter/InstructionBox.h"
#include "interpreter/LaunchActions.h"
#include "mainwindow/StripCommands.h"
#include "startup/Context.h"

namespace orbilo {

class Messages;
class Shell;

// Starts a sibling program of the suite by its position.
class SiblingRunner {
  public:
    virtual ~SiblingRunner() = default;
    virtual void RunSibling(int index) = 0;
};

// A key pressed in the instruction box, before it takes effect.
struct InstructionKey {
    enum class Kind { Enter, Backspace, Escape, Character, Other };
    Kind kind = Kind::Other;
    std::string text;  // the typed character, for Kind::Character
};

class Interpreter {
  public:
    Interpreter(Context& ctx, Shell& shell, Messages& messages, InstructionBox& box, LaunchActions& actions,
                StripCommands& strip)
        : m_ctx(ctx), m_shell(shell), m_messages(messages), m_box(box), m_actions(actions), m_strip(strip) {}

    // Not there until the suite's siblings are known; "r." then has nothing to run.
    void SetSiblingRunner(SiblingRunner* runner) { m_siblings = runner; }

    // True when the key must be discarded (a non-digit typed after "t=").
    bool OnKeyPress(const InstructionKey& key);
    void OnDoubleClick();

  private:
    void Enter();
    void EnterChosenItem(const std::string& code);
    void EnterCode(const std::string& code, const std::string& command);
    void Report(const std::string& messageId);

    Context& m_ctx;
    Shell& m_shell;
    Messages& m_messages;
    InstructionBox& m_box;
    LaunchActions& m_actions;
    StripCommands& m_strip;
    SiblingRunner* m_siblings = nullptr;
};

// The first two characters of an Instruction lower-cased, or empty text when it has fewer.
std::string CodeOf(const std::string& instruction);
// Everything after the first two characters, exactly as typed.
std::string CommandOf(const std::string& instruction);

}  // namespace orbilo
