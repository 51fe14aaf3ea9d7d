// The launcher's program-wide state, grouped by the subsystem that owns it. One Context is made
// in the entry routine and handed by reference to every part of the program; nothing is global.
#pragma once

#include <string>
#include <vector>

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
    std::string UserPic;
    std::string PicCaption;
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

// The main window's box state that other subsystems read.
struct WindowState {
    int OpenMenuIndex = -1;
    bool AddUrlBoxShown = false;
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
    MessageState message;
    WindowState window;
    SiblingState siblings;
    bool FirstStart = false;
    // Set when a message ends the program (a start-up message answered or closed); the entry
    // routine and the event loop stop at once and nothing is saved.
    bool endRequested = false;
};

}  // namespace orbilo
