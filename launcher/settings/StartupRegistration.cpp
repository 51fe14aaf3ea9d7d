#include "settings/StartupRegistration.h"

#include "format/SettingsKeys.h"
#include "messages/Messages.h"
#include "services/ServiceError.h"
#include "services/Shell.h"

namespace orbilo {

bool StartupRegistration::ProgRegKeyCreateString(const std::string& key, const std::string& value) {
    try {
        m_shell.RegWrite(key, value);
        return true;
    } catch (const ServiceError&) {
        m_messages.ReportBug("ProgRegKeyCreateString");
        return false;
    }
}

bool StartupRegistration::ProgRegKeyDelete(const std::string& key) {
    try {
        m_shell.RegDelete(key);
        return true;
    } catch (const ServiceError&) {
        m_messages.ReportBug("ProgRegKeyDelete");
        return false;
    }
}

std::string StartupRegistration::ProgRegKeyRead(const std::string& key) {
    try {
        return m_shell.RegRead(key);
    } catch (const ServiceError&) {
        // An absent value is the usual case here, not a fault worth a report.
        return {};
    }
}

std::string StartupRegistration::LauncherExecutable() const {
    return m_ctx.location.ProgramFolder + m_ctx.app.programName + m_ctx.app.executableSuffix;
}

bool StartupRegistration::Register() {
    return ProgRegKeyCreateString(kStartupValueKey, LauncherExecutable());
}

void StartupRegistration::ChangeStartWithWindows(int newState) {
    const int state = newState != 0 ? 1 : 0;
    if (state == m_ctx.options.StartWithWindows) return;
    m_ctx.options.StartWithWindows = state;
    const std::string current = ProgRegKeyRead(kStartupValueKey);
    if (state == 0) {
        if (!current.empty()) ProgRegKeyDelete(kStartupValueKey);
        return;
    }
    // Rewriting an identical value would only fail needlessly where the key is not writable.
    const std::string executable = LauncherExecutable();
    if (current != executable) ProgRegKeyCreateString(kStartupValueKey, executable);
}

}  // namespace orbilo
