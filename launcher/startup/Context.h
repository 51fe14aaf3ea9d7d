// The launcher's program-wide state, grouped by the subsystem that owns it. One Context is made
// in the entry routine and handed by reference to every part of the program; nothing is global.
#pragma once

#include <string>
#include <vector>

#include "launchlist/LaunchList.h"
#include "suite/SuiteState.h"

namespace orbilo {

// Fixed names and texts of the running program.
struct AppIdentity {
    std::string applicationTitle;  // "Orbilo Korrin" while running
    std::string programName;       // "Orbilo"
    std::string helpProgramName;   // "OrbiloHelp"
    std::string versionText;       // "Version 2.0"
    std::string executableSuffix;  // ".exe" on Windows, ".bin" on Linux
    std::string IdleText;
};

// Where the program runs from and where its data lives. Folders end with the separator,
// DataFolder excepted.
struct Location {
    std::string WindowsFolder;
    std::string StartFolder;
    std::string DriveRoot;
    std::string MediaDriveLetter;
    std::string MediaDriveLetterUpper;
    bool RemovableMode = false;
    std::string ProgramFolder;
    std::string ProgramFolderUpper;
    std::string DataFolder;
    std::string MakerFolder;  // removable mode only
};

// Full paths of the data files of the run mode; empty for files the mode does not have.
struct DataFiles {
    std::string settings;       // Set.Korrin
    std::string mediaSettings;  // MediaSet.Korrin
    std::string listFile;
    std::string listFold;
    std::string listProg;
    std::string listWeb;
    std::string machine;  // Machine.Korrin
    std::string machineFile;
    std::string machineFold;
    std::string machineProg;
};

struct UserSettings {
    std::string NickName;
    std::string UserPic;  // full path; empty when none or when the file does not exist
    std::string PicCaption;
    std::string UserPicFileName;  // name and extension of UserPic
    std::string UserPicFolder;    // folder of UserPic, with its separator

    void ForgetPicture() {
        UserPic.clear();
        PicCaption.clear();
        UserPicFileName.clear();
        UserPicFolder.clear();
    }
};

// The settings file's values: read once at start, written once at exit.
struct SettingsFileState {
    bool readWhole = false;  // false: the file was missing or damaged and the defaults hold
    int ListFileLast = -1;
    int ListFoldLast = -1;
    int ListProgLast = -1;
    int ListWebLast = -1;
    int MachineFileLast = -1;
    int MachineFoldLast = -1;
    int MachineProgLast = -1;
    int Top = 0;                          // main window, twips
    int Left = 0;                         // main window, twips
    std::string RememberedFolder;         // line 8 as read
    std::string RememberedFolderToWrite;  // line 8 as it will be written
};

// The home machine on removable media, and the drive types the add rule looks at.
struct HomeMachineState {
    bool MachineFileMissing = false;
    bool HomeMachine = false;
    int BrowseDriveType = 0;
    int PickedDriveType = -1;
};

struct OptionState {
    int Options = 0;
    int StartWithWindows = 0;
    int AlwaysOnTop = 0;
    int ShowAddUrlBoxAtStart = 0;
};

// The message dialog's state while a message runs.
struct MessageState {
    std::string MessageID;
    std::string MessageHead;
    std::string MessageText;
    std::string ButtonKind;
    std::string InputKind;
    std::string PlainText;
    bool EndAfterMessage = false;
    bool BugReportMode = false;
    bool ReEnableRemember = false;
    std::string AfterMessageAction;
};

// What autocompletion chose for the current text of the instruction box, and whether the last
// key was Backspace. Each index is -1 when nothing was chosen; at most one is set at a time.
struct InterpreterState {
    int PickedItem = -1;
    int PickedMail = -1;
    int PickedSibling = -1;
    bool BackspaceHit = false;
};

// The main window's state: the open box, the Add URL box, the strip's measures and floating.
struct WindowState {
    int OpenMenuIndex = -1;
    bool AddUrlBoxShown = false;
    // Twips, from the screen's twips per pixel when the strip is created.
    int NarrowWidth = 0;
    int WideWidth = 0;
    int StripHeight = 0;
    // Consecutive keep-on-top ticks with an empty instruction box.
    int IdleTicks = 0;
    bool TimerOnTopEnabled = false;
    bool TimerWatchOnTopEnabled = false;
    // The ImageHelpPics picture the Help box showed last; the first opening shows picture 1.
    int HelpPicture = 0;
};

struct SiblingState {
    std::vector<std::string> SiblingNames;
    std::vector<std::string> SiblingPaths;
    int SiblingLast = -1;
};

struct Context {
    AppIdentity app;
    Location location;
    DataFiles files;
    UserSettings user;
    OptionState options;
    SettingsFileState settingsFile;
    HomeMachineState home;
    LaunchList launchList;
    MessageState message;
    WindowState window;
    InterpreterState interpreter;
    SiblingState siblings;
    SuiteState suite;
    bool FirstStart = false;
    // Set when a message ends the program (a start-up message answered or closed); the entry
    // routine and the event loop stop at once and nothing is saved.
    bool endRequested = false;
};

}  // namespace orbilo
