// Every message of the launcher runs through here: a builder fills the message state and shows
// the dialog, and the answer is acted on before the builder returns.
#include "messages/Messages.h"

#include <exception>
#include <optional>
#include <utility>

#include "format/MakerInfo.h"
#include "format/SettingsKeys.h"
#include "interpreter/LaunchActions.h"
#include "messages/MessageCatalogue.h"
#include "messages/MessageIds.h"

namespace orbilo {

namespace {

std::optional<MessageView> MakeView(const std::string& title, std::string head, std::string text,
                                    const std::string& buttonKind, const std::string& inputKind) {
    MessageView view;
    view.title = title;
    view.head = std::move(head);
    view.text = std::move(text);
    view.okCaption = kCaptionOk;
    view.cancelCaption = kCaptionCancel;
    if (buttonKind == kButtonKindOk) {
        view.okEnabled = true;
    } else if (buttonKind == kButtonKindCancel) {
        // OK waits for the name box to hold a name.
        view.cancelEnabled = true;
    } else if (buttonKind == kButtonKindOkCancel) {
        view.okEnabled = true;
        view.cancelEnabled = true;
    } else if (buttonKind == kButtonKindYesNo) {
        view.okEnabled = true;
        view.cancelEnabled = true;
        view.okCaption = kCaptionYes;
        view.cancelCaption = kCaptionNo;
    } else {
        return std::nullopt;
    }
    view.nameInput = inputKind == kInputKindName;
    return view;
}

}  // namespace

std::string MessageWindowTitle(const std::string& nickName) {
    if (nickName.empty() || nickName == kDefaultNickName) return kAnonymousTitle;
    return kNamedTitlePrefix + nickName;
}

Messages::Messages(Context& ctx, SettingsStore& settings, Shell& shell, MessageUi& ui)
    : m_ctx(ctx), m_settings(settings), m_shell(shell), m_ui(ui) {}

void Messages::SetFloating(Floating* floating) {
    m_floating = floating;
}

void Messages::SetRememberEnabler(std::function<void()> enableRemember) {
    m_enableRemember = std::move(enableRemember);
}

std::string Messages::AddressedHead() const {
    return m_ctx.user.NickName.empty() ? std::string(kDefaultNickName) : m_ctx.user.NickName;
}

void Messages::ShowEntry(const CatalogueEntry& entry, bool endAfterMessage) {
    MessageState& state = m_ctx.message;
    state.MessageHead = entry.head.empty() ? AddressedHead() : entry.head;
    state.MessageText = entry.text;
    state.ButtonKind = entry.buttonKind;
    state.InputKind = entry.inputKind;
    if (endAfterMessage) state.EndAfterMessage = true;
    ShowMessageDialog(state.MessageHead, state.MessageText, state.ButtonKind, state.InputKind);
}

void Messages::ShowStartupMessage() {
    const auto entry = StartupCatalogueEntry(m_ctx.app, m_ctx.message.MessageID);
    if (entry) ShowEntry(*entry, true);
}

void Messages::ShowInputMessage() {
    const auto entry = InputCatalogueEntry(m_ctx.app, m_ctx.message.MessageID);
    if (entry) ShowEntry(*entry, false);
}

void Messages::ShowListMessage() {
    const auto entry = ListCatalogueEntry(m_ctx.app, m_ctx.siblings.SiblingLast, m_ctx.message.MessageID);
    if (entry) ShowEntry(*entry, false);
}

void Messages::ShowPlainMessage() {
    MessageState& state = m_ctx.message;
    state.MessageHead = AddressedHead();
    state.MessageText = state.PlainText;
    state.ButtonKind = kButtonKindOk;
    state.InputKind.clear();
    ShowMessageDialog(state.MessageHead, state.MessageText, state.ButtonKind, state.InputKind);
}

void Messages::ShowBugReport() {
    MessageState& state = m_ctx.message;
    state.MessageHead = AddressedHead();
    state.MessageText = BugReportText(state.MessageID);
    state.ButtonKind = kButtonKindYesNo;
    state.InputKind.clear();
    state.BugReportMode = true;
    ShowMessageDialog(state.MessageHead, state.MessageText, state.ButtonKind, state.InputKind);
}

void Messages::ReportBug(const std::string& procedureName) {
    m_ctx.message.MessageID = BugReportTag(m_ctx.app, procedureName);
    ShowBugReport();
}

void Messages::ShowMessageDialog(std::string head, std::string text, std::string buttonKind,
                                 std::string inputKind) {
    const auto view = MakeView(MessageWindowTitle(m_ctx.user.NickName), std::move(head), std::move(text),
                               buttonKind, inputKind);
    if (!view) return;
    m_ctx.message.PlainText.clear();
    // The strip would otherwise be pulled back over the dialog within a second.
    if (m_floating != nullptr && m_floating->TimerOnTopEnabled()) m_floating->Suspend();

    const MessageReply reply = m_ui.ShowModal(*view);
    if (reply.answer == MessageAnswer::Ok) {
        MessageOK(reply.input);
    } else {
        MessageCancel();
    }
}

void Messages::MessageOK(const std::string& typedName) {
    MessageState& state = m_ctx.message;
    if (state.EndAfterMessage) {
        m_ctx.endRequested = true;
        return;
    }
    const bool namePrompt = state.MessageID == kMessageGetUserName;
    if (namePrompt) {
        m_ctx.user.NickName = typedName.empty() ? std::string(kDefaultNickName) : typedName;
    } else if (state.MessageID == kMessageHelpShow) {
        state.AfterMessageAction = kAfterMessageGoToWebSite;
    }
    EnableRememberWhenDue();
    if (state.BugReportMode) {
        SendBugReport();
        return;
    }
    if (namePrompt) SaveNickName();
    ClearMessageState();
    ResumeFloating();
}

void Messages::MessageCancel() {
    MessageState& state = m_ctx.message;
    // Closing a start-up message is no way around it: the program ends all the same.
    if (state.EndAfterMessage) {
        m_ctx.endRequested = true;
        return;
    }
    if (state.MessageID == kMessageGetUserName) {
        m_ctx.user.NickName = kDefaultNickName;
        SaveNickName();
    }
    // The refusal that asks for Remember My Computer is an OK-only message; closing it instead of
    // pressing OK must not leave the request pending for some later, unrelated message.
    EnableRememberWhenDue();
    ClearMessageState();
    state.BugReportMode = false;
    ResumeFloating();
}

void Messages::SaveNickName() {
    try {
        m_settings.SaveSetting(kSettingsApplication, kUserSection, kNickNameKey, m_ctx.user.NickName);
    } catch (const std::exception&) {
        // The name still holds for this run; the prompt simply comes again at the next start.
    }
}

void Messages::EnableRememberWhenDue() {
    if (!m_ctx.message.ReEnableRemember) return;
    m_ctx.message.ReEnableRemember = false;
    if (m_enableRemember) m_enableRemember();
}

void Messages::ClearMessageState() {
    MessageState& state = m_ctx.message;
    state.MessageID.clear();
    state.MessageHead.clear();
    state.MessageText.clear();
    state.ButtonKind.clear();
    state.InputKind.clear();
    state.PlainText.clear();
}

void Messages::ResumeFloating() {
    // While a box is open it owns the suspension and resumes floating when it closes.
    if (m_floating == nullptr || m_ctx.window.OpenMenuIndex != -1) return;
    m_floating->SetTimerOnTop(m_ctx.options.AlwaysOnTop == 1);
}

void Messages::SendBugReport() {
    MessageState& state = m_ctx.message;
    state.BugReportMode = false;
    const std::string result =
        StartMail(m_shell, kBugReportAddress, BugReportSubject(m_ctx.app), state.MessageID);
    if (result.empty()) {
        state.MessageID.clear();
        return;
    }
    state.MessageID = result;
    ShowListMessage();
}

}  // namespace orbilo
