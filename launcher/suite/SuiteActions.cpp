// Showing the help program, opening the web site and starting a sibling, each failure reported.
#include "suite/SuiteActions.h"

#include <exception>

#include "format/MakerInfo.h"
#include "messages/MessageCatalogue.h"
#include "messages/MessageIds.h"
#include "messages/Messages.h"
#include "services/InstanceBeacon.h"
#include "services/Shell.h"

namespace orbilo {

namespace {

// The title under which a running help program answers, like the launcher's own.
constexpr const char* kTitleSuffix = " Korrin";

}  // namespace

void SuiteActions::Report(const char* messageId) {
    m_ctx.message.MessageID = messageId;
    m_messages.ShowInputMessage();
}

std::string SuiteActions::ShowHelp() {
    const SuiteState& suite = m_ctx.suite;
    if (!suite.HelpFound) return kMessageHelpShow;
    bool broughtForward = false;
    try {
        broughtForward = m_beacon.Activate(m_ctx.app.helpProgramName + kTitleSuffix);
    } catch (const std::exception&) {
        // Nothing running can be reached: start one.
    }
    if (broughtForward) return {};
    try {
        m_shell.StartCommandLine(suite.HelpExePath);
    } catch (const std::exception&) {
        Report(kMessageRunBachanError);
    }
    return {};
}

void SuiteActions::OpenWebSite() {
    try {
        m_shell.Run(kWebSiteUrl);
    } catch (const std::exception&) {
        Report(kMessageRunGaganError);
    }
}

void SuiteActions::RunSibling(int index) {
    const auto& paths = m_ctx.siblings.SiblingPaths;
    if (index < 0 || index >= static_cast<int>(paths.size())) {
        Report(kMessageRunGuruError);
        return;
    }
    try {
        m_shell.StartCommandLine(paths[static_cast<std::size_t>(index)]);
    } catch (const std::exception&) {
        Report(kMessageRunGuruError);
    }
}

void SuiteActions::HelpButton() {
    MessageState& message = m_ctx.message;
    message.MessageID = ShowHelp();
    if (!message.MessageID.empty()) {
        m_messages.ShowInputMessage();
        if (message.AfterMessageAction == kAfterMessageGoToWebSite) OpenWebSite();
    }
    message.AfterMessageAction.clear();
}

}  // namespace orbilo
