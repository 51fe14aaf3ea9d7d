// The launcher's entry routine: every start-up check in its order, the run mode and the data
// paths, up to the point where the windows are loaded and shown.
#pragma once

#include "launchlist/LaunchListStore.h"
#include "services/Services.h"
#include "settings/HomeMachine.h"
#include "settings/SettingsFile.h"
#include "settings/StartupRegistration.h"
#include "settings/StartupSettings.h"
#include "startup/Context.h"
#include "startup/RunLocation.h"
#include "suite/SuiteRegistry.h"

namespace orbilo {

class Messages;

inline constexpr const char* kApplicationTitle = "Orbilo Korrin";
inline constexpr const char* kBypassTitle = "BypassThisInstance";
inline constexpr const char* kProgramName = "Orbilo";
inline constexpr const char* kHelpProgramName = "OrbiloHelp";
inline constexpr const char* kVersionText = "Version 2.0";

// Smallest screen the strip and its boxes fit on: 800 by 600 pixels at 15 twips per pixel.
inline constexpr int kMinScreenWidthTwips = 12000;
inline constexpr int kMinScreenHeightTwips = 9000;
// Longest system folder answer that is taken (the system's buffer holds 255 characters).
inline constexpr std::size_t kWindowsFolderBuffer = 255;

enum class StartupOutcome {
    ShowWindows,  // every check passed: load and show the windows
    EndProgram,   // a check stopped the start, or another instance was brought forward
};

class Startup {
  public:
    Startup(Context& ctx, const Services& services, Messages& messages);

    // Runs the checks and settings steps before the windows are shown, and loads the Launch
    // List.
    StartupOutcome Main();
    // After the main window is shown: the first-start notice when due.
    void AfterShow();
    // Closing the main window: the window position, the options and counts to the settings
    // file, then the list files. Only a normal close saves; a start-up message never does.
    void SaveAtExit(int topTwips, int leftTwips);

    HomeMachine& Home() { return m_homeMachine; }
    StartupRegistration& Registration() { return m_registration; }

  private:
    bool ScreenTooSmall();
    bool AnotherInstanceBroughtForward();
    void FindWindowsFolder();
    bool InsideSystemFolder() const;
    bool ClassifyDrive();
    bool OnMoveSettings();
    void OnRestSettings();
    // Shows a start-up message; true when the program must end.
    bool Stop(const char* messageId);

    Context& m_ctx;
    Services m_services;
    Messages& m_messages;
    RunLocation m_location;
    StartupRegistration m_registration;
    SettingsFile m_settingsFile;
    StartupSettings m_startupSettings;
    HomeMachine m_homeMachine;
    LaunchListStore m_store;
    SuiteRegistry m_suite;
};

}  // namespace orbilo
