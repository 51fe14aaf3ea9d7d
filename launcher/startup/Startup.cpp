#include "startup/Startup.h"

#include "format/DriveClassification.h"
#include "messages/MessageIds.h"
#include "messages/Messages.h"
#include "services/ServiceError.h"

namespace orbilo {

Startup::Startup(Context& ctx, const Services& services, Messages& messages)
    : m_ctx(ctx),
      m_services(services),
      m_messages(messages),
      m_location(ctx, services.fileSystem, messages),
      m_registration(ctx, services.shell, messages),
      m_settingsFile(ctx, services.fileSystem, m_registration),
      m_startupSettings(ctx, services.fileSystem, services.settings, messages),
      m_homeMachine(ctx, services.fileSystem, services.management, messages),
      m_store(ctx, services.fileSystem),
      m_suite(ctx, services.fileSystem, services.settings, services.clock, messages) {}

bool Startup::Stop(const char* messageId) {
    m_ctx.message.MessageID = messageId;
    m_messages.ShowStartupMessage();
    return m_ctx.endRequested;
}

bool Startup::ScreenTooSmall() {
    ScreenMetrics screen;
    try {
        screen = m_services.system.Screen();
    } catch (const ServiceError&) {
        // Without a screen to measure there is nothing to refuse; the toolkit reports it.
        return false;
    }
    return screen.widthTwips < kMinScreenWidthTwips || screen.heightTwips < kMinScreenHeightTwips;
}

bool Startup::AnotherInstanceBroughtForward() {
    // While searching, this instance must not be findable under the running title.
    m_ctx.app.applicationTitle = kBypassTitle;
    try {
        if (m_services.beacon.Claim(kApplicationTitle)) {
            m_ctx.app.applicationTitle = kApplicationTitle;
            return false;
        }
        if (m_services.beacon.Activate(kApplicationTitle)) return true;
    } catch (const ServiceError&) {
        // The instance lock cannot be used at all: nothing can be found, so start normally.
    }
    // The holder of the title does not answer: start normally, as a second instance.
    m_ctx.app.applicationTitle = kApplicationTitle;
    return false;
}

void Startup::FindWindowsFolder() {
    std::string folder;
    try {
        folder = m_services.system.WindowsFolder();
    } catch (const ServiceError&) {
        folder.clear();
    }
    if (folder.empty() || folder.size() >= kWindowsFolderBuffer) {
        m_ctx.location.WindowsFolder.clear();
        return;
    }
    if (folder.back() != m_services.fileSystem.Separator()) folder += m_services.fileSystem.Separator();
    m_ctx.location.WindowsFolder = folder;
}

bool Startup::InsideSystemFolder() const {
    const std::string& windows = m_ctx.location.WindowsFolder;
    // Without an answer from the system every folder would match and nothing could start.
    if (windows.empty()) return false;
    const std::string start = UpperCased(m_ctx.location.StartFolder);
    const std::string system = UpperCased(windows);
    return start.size() >= system.size() && start.compare(0, system.size(), system) == 0;
}

bool Startup::ClassifyDrive() {
    const std::string name = m_location.DriveTypeName(m_ctx.location.DriveRoot);
    if (m_ctx.endRequested) return false;
    const auto named = [](DriveType type) { return DriveTypeNameOf(static_cast<int>(type)); };
    if (name == named(DriveType::Unknown) || name == named(DriveType::Remote))
        return !Stop(kMessageMediaUnknown);
    if (name == named(DriveType::CDRom)) return !Stop(kMessageMediaCDRom);
    m_ctx.location.RemovableMode = name != named(DriveType::Fixed);
    return true;
}

StartupOutcome Startup::Main() {
    // The program's name is in the very first message a start can show.
    m_ctx.app.programName = kProgramName;
    m_ctx.app.executableSuffix = m_services.system.ExecutableSuffix();

    if (ScreenTooSmall() && Stop(kMessageSmallScreen)) return StartupOutcome::EndProgram;

    m_ctx.app.applicationTitle = kApplicationTitle;
    if (AnotherInstanceBroughtForward()) return StartupOutcome::EndProgram;

    std::string currentDirectory;
    try {
        currentDirectory = m_services.system.CurrentDirectory();
    } catch (const ServiceError&) {
        currentDirectory.clear();
    }
    m_location.FixStartLocation(currentDirectory);

    m_ctx.app.versionText = kVersionText;
    m_ctx.app.helpProgramName = kHelpProgramName;

    FindWindowsFolder();
    if (InsideSystemFolder() && Stop(kMessageProgInSystem)) return StartupOutcome::EndProgram;

    if (!ClassifyDrive()) return StartupOutcome::EndProgram;

    // The suite registry confirms the program's own folder, lists the siblings and finds the
    // help program: from the medium's records, or from the per-user store.
    const bool registered = m_ctx.location.RemovableMode ? m_suite.OnMove() : m_suite.OnRest();
    if (!registered) return StartupOutcome::EndProgram;
    m_location.SetDataPaths();
    if (m_ctx.location.RemovableMode) {
        if (!OnMoveSettings()) return StartupOutcome::EndProgram;
    } else {
        OnRestSettings();
    }

    m_ctx.app.IdleText = m_ctx.app.programName;
    // A missing or damaged settings file gives the defaults (and, in fixed mode, registers the
    // start with the desktop session).
    m_settingsFile.Read();
    m_ctx.window.OpenMenuIndex = -1;
    SplitOptions(m_ctx.options);

    m_store.Load();
    return StartupOutcome::ShowWindows;
}

bool Startup::OnMoveSettings() {
    if (m_startupSettings.OnMoveSettingsRead() && Stop(kMessageMediaCreateError)) return false;
    m_homeMachine.ReadAtStart();
    return true;
}

void Startup::OnRestSettings() {
    m_startupSettings.OnRestSettingsRead();
    m_suite.OnRestUpdate();
    if (!m_ctx.user.NickName.empty()) return;
    // The prompt stores the typed name on OK and "myFriend" on Cancel; start-up goes on either way.
    m_ctx.message.MessageID = kMessageGetUserName;
    m_messages.ShowInputMessage();
}

void Startup::SaveAtExit(int topTwips, int leftTwips) {
    m_store.SaveCounts(topTwips, leftTwips);
    m_settingsFile.Write();
    m_store.WriteListFiles();
}

void Startup::AfterShow() {
    if (!m_ctx.FirstStart) return;
    m_ctx.message.MessageID = kMessageFisrtStart;
    m_messages.ShowListMessage();
}

}  // namespace orbilo
