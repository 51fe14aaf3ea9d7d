#include "interpreter/Interpreter.h"

#include <array>
#include <string_view>

#include "format/TextCase.h"
#include "format/Utf8.h"
#include "interpreter/PredefinedCommands.h"
#include "messages/Messages.h"

namespace orbilo {
namespace {

// The short web Codes and the ending each puts after the name.
struct ShortWebCode {
    std::string_view code;
    std::string_view ending;
};
constexpr std::array<ShortWebCode, 6> kShortWebCodes = {{
    {"c/", ".com"},
    {"g/", ".gov"},
    {"i/", ".info"},
    {"n/", ".net"},
    {"o/", ".org"},
    {"t/", ".tv"},
}};

bool IsDigit(const std::string& text) {
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9';
}

}  // namespace

std::string CodeOf(const std::string& instruction) {
    if (CodePointCount(instruction) < 2) return {};
    return LowerCased(instruction.substr(0, CodePointOffset(instruction, 2)));
}

std::string CommandOf(const std::string& instruction) {
    return instruction.substr(CodePointOffset(instruction, 2));
}

bool Interpreter::OnKeyPress(const InstructionKey& key) {
    switch (key.kind) {
        case InstructionKey::Kind::Enter:
            Enter();
            return false;
        case InstructionKey::Kind::Backspace:
            m_ctx.interpreter.BackspaceHit = true;
            return false;
        case InstructionKey::Kind::Escape:
            if (m_ctx.window.OpenMenuIndex >= 0) {
                m_strip.ClickMenu(m_ctx.window.OpenMenuIndex);
                m_box.SetText("");
            } else {
                m_strip.ClickMinimize();
            }
            return false;
        case InstructionKey::Kind::Character:
            return CodeOf(m_box.Text()) == "t=" && !IsDigit(key.text);
        case InstructionKey::Kind::Other:
            return false;
    }
    return false;
}

void Interpreter::OnDoubleClick() {
    m_box.SetText("");
}

void Interpreter::Report(const std::string& messageId) {
    if (messageId.empty()) return;
    m_ctx.message.MessageID = messageId;
    m_messages.ShowListMessage();
}

void Interpreter::Enter() {
    const std::string instruction = m_box.Text();
    if (CodePointCount(instruction) < 3) return;
    const InterpreterState picked = m_ctx.interpreter;

    if (picked.PickedSibling != -1) {
        if (m_siblings != nullptr) m_siblings->RunSibling(picked.PickedSibling);
        m_box.SetText("");
        return;
    }
    if (picked.PickedMail != -1) {
        const auto addresses = MailAddresses();
        const auto subjects = MailSubjects(m_ctx.app);
        const auto index = static_cast<std::size_t>(picked.PickedMail);
        Report(m_actions.StartMail(std::string("mailto:") + addresses.at(index), subjects.at(index), ""));
        m_box.SetText("");
        return;
    }
    const std::string code = CodeOf(instruction);
    if (picked.PickedItem != -1) {
        EnterChosenItem(code);
        return;
    }
    EnterCode(code, CommandOf(instruction));
}

void Interpreter::EnterChosenItem(const std::string& code) {
    const int item = m_ctx.interpreter.PickedItem;
    const LaunchList& list = m_ctx.launchList;
    if (code == "p-") {
        Report(m_actions.RunProgram(list[Group::Program].PathAt(item)));
    } else if (code == "f-") {
        Report(m_actions.OpenWithShell(list[Group::File].PathAt(item)));
    } else if (code == "d-") {
        Report(m_actions.OpenFolder(list[Group::Folder].PathAt(item)));
    } else if (code == "w-") {
        Report(m_actions.OpenWithShell(list[Group::Web].PathAt(item)));
    }
}

void Interpreter::EnterCode(const std::string& code, const std::string& command) {
    if (code == "p=") return Report(m_actions.RunProgram(command));
    if (code == "f=" || code == "w=") return Report(m_actions.OpenWithShell(command));
    if (code == "d=") return Report(m_actions.OpenFolder(command));
    if (code == "w:") return Report(m_actions.OpenWithShell("http://" + command));
    if (code == "w;") return Report(m_actions.OpenWithShell("http://www." + command));
    for (const ShortWebCode& web : kShortWebCodes) {
        if (code == web.code) {
            return Report(m_actions.OpenWithShell("http://www." + command + std::string(web.ending)));
        }
    }
    if (code == "e=") return Report(m_actions.OpenWithShell("mailto:" + command));
    if (code == "t=") {
        const std::string failure = m_actions.DialNumber(command);
        if (!failure.empty()) {
            m_ctx.message.PlainText = failure;
            m_messages.ShowPlainMessage();
        }
        m_box.SetText("");
        m_box.Focus();
        return;
    }
    if (code == "d.") return Report(m_actions.OpenFolder(SpecialFolderPath(m_shell, command)));
    if (code == "c.") return Report(m_actions.OpenPanelApplet(LowerCased(command)));
    // Any other Code, and a Launch Name or predefined Code with nothing chosen, does nothing.
}

}  // namespace orbilo
