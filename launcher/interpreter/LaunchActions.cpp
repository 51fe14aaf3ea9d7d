// The launch actions. They never show anything themselves; their callers show what they answer.
#include "interpreter/LaunchActions.h"

#include <cctype>
#include <exception>

#include "format/TextCase.h"
#include "interpreter/PredefinedCommands.h"
#include "messages/MessageIds.h"
#include "services/ServiceError.h"

namespace orbilo {

namespace {

constexpr std::size_t kMailtoLength = 7;

bool StartsWithMailto(const std::string& address) {
    static constexpr char kMailto[] = "mailto:";
    if (address.size() < kMailtoLength) return false;
    for (std::size_t i = 0; i < kMailtoLength; ++i) {
        const auto lower = std::tolower(static_cast<unsigned char>(address[i]));
        if (lower != kMailto[i]) return false;
    }
    return true;
}

}  // namespace

std::string BuildMailLink(const std::string& address, const std::string& subject, const std::string& body) {
    std::string link = StartsWithMailto(address) ? address : "mailto:" + address;
    if (!subject.empty()) {
        link += "?subject=";
        link += subject;
    }
    if (!body.empty()) {
        link += subject.empty() ? '?' : '&';
        link += "body=";
        link += body;
    }
    return link;
}

std::string StartMail(Shell& shell, const std::string& address, const std::string& subject,
                      const std::string& body) {
    try {
        if (shell.OpenLink(BuildMailLink(address, subject, body))) return "";
    } catch (const std::exception&) {
        // A shell that cannot hand the link on fails the same way as one that refuses it.
    }
    return kMessageProgramStartError;
}

std::string DialResultText(int result) {
    switch (result) {
        case 0:
            return "";
        case -2:
            return "No Windows Telephony dialing application is running and none could be started.";
        case -3:
            return "The queue of pending Windows Telephony dialing requests is full.";
        case -4:
            return "The phone number is not valid.";
        default:
            return "Could not dial the number. Reason unknown.";
    }
}

std::string LaunchActions::RunProgram(const std::string& commandLine) {
    try {
        m_shell.StartCommandLine(commandLine);
    } catch (const ServiceError&) {
        return kMessageProgramRunError;
    }
    m_box.SetText("");
    return "";
}

std::string LaunchActions::OpenFolder(const std::string& folder) {
    try {
        m_shell.OpenFolder(folder);
    } catch (const ServiceError&) {
        return kMessageProgramExplorerError;
    }
    m_box.SetText("");
    return "";
}

std::string LaunchActions::OpenWithShell(const std::string& target) {
    try {
        m_shell.Run(target);
    } catch (const ServiceError&) {
        return kMessageProgramStartError;
    }
    m_box.SetText("");
    return "";
}

std::string LaunchActions::StartMail(const std::string& address, const std::string& subject,
                                     const std::string& body) {
    return orbilo::StartMail(m_shell, address, subject, body);
}

std::string LaunchActions::DialNumber(const std::string& number) {
    int result = -1;
    try {
        result = m_shell.Dial(number, m_ctx.app.programName);
    } catch (const ServiceError&) {
        result = -1;
    }
    return DialResultText(result);
}

std::string LaunchActions::OpenPanelApplet(const std::string& name) {
    const std::string key = LowerCased(name);
    const auto commandLine = AppletCommandLine(key);
    // A name that is no applet key neither starts nor reports anything.
    if (!commandLine) return "";
    try {
        m_shell.OpenPanelApplet(key, *commandLine);
    } catch (const ServiceError&) {
        return kMessagePanelOpenError;
    }
    return "";
}

}  // namespace orbilo
