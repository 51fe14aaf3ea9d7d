// The launcher's messages: the four builders, the bug report, and what the dialog's OK and
// Cancel do for each message. Callers set MessageID (or PlainText) in the context, call a
// builder, and read the outcome from the context when it returns.
#pragma once

#include <functional>
#include <string>

#include "mainwindow/Floating.h"
#include "messages/MessageCatalogue.h"
#include "messages/MessageUi.h"
#include "services/SettingsStore.h"
#include "services/Shell.h"
#include "startup/Context.h"

namespace orbilo {

// The dialog's title: anonymous until the user has a name of their own.
std::string MessageWindowTitle(const std::string& nickName);

class Messages {
  public:
    Messages(Context& ctx, SettingsStore& settings, Shell& shell, MessageUi& ui);

    // The main window's keep-on-top timer; null until the main window exists.
    void SetFloating(Floating* floating);
    // Makes the Preferences box's Remember My Computer button usable; empty until the box exists.
    void SetRememberEnabler(std::function<void()> enableRemember);

    void ShowStartupMessage();
    void ShowInputMessage();
    void ShowListMessage();
    void ShowPlainMessage();
    void ShowBugReport();
    // Shows the bug report for a procedure that caught a failure, tagged with its name.
    void ReportBug(const std::string& procedureName);

    // Shows the dialog modally and acts on the answer; an unknown button kind shows nothing.
    void ShowMessageDialog(std::string head, std::string text, std::string buttonKind, std::string inputKind);
    // The dialog's OK (or Yes) with the name box's text, and its Cancel (or No, or closing).
    void MessageOK(const std::string& typedName);
    void MessageCancel();

  private:
    std::string AddressedHead() const;
    // Fills the message state from a catalogue entry (its own head line, or the user's name) and
    // shows it.
    void ShowEntry(const CatalogueEntry& entry, bool endAfterMessage);
    void SaveNickName();
    void EnableRememberWhenDue();
    void ClearMessageState();
    void ResumeFloating();
    void SendBugReport();

    Context& m_ctx;
    SettingsStore& m_settings;
    Shell& m_shell;
    MessageUi& m_ui;
    Floating* m_floating = nullptr;
    std::function<void()> m_enableRemember;
};

}  // namespace orbilo
