// The entry routine's checks in their order, the run mode and the data paths, on fakes.
#include <gtest/gtest.h>

#include "FakeClock.h"
#include "FakeFileSystem.h"
#include "FakeInstanceBeacon.h"
#include "FakeManagement.h"
#include "FakeSettingsStore.h"
#include "FakeShell.h"
#include "FakeSystem.h"
#include "RecordingMessageUi.h"
#include "messages/MessageCatalogue.h"
#include "messages/Messages.h"
#include "startup/Startup.h"

namespace orbilo::test {
namespace {

class StartupTest : public testing::Test {
  protected:
    StartupTest() {
        fileSystem.AddDrive("/", 2, "/");
        fileSystem.AddFolder("/home/ann/apps/Orbilo");
        fileSystem.AddFile("/home/ann/apps/Orbilo/Orbilo.bin");
        // A user who has run Orbilo before: no name prompt, no first-start notice.
        settings.values[{"RavuVod", "NidraBhanga", "NickName"}] = "Ann";
    }

    StartupOutcome Start() { return startup.Main(); }

    // The one message shown, as the catalogue builds it for a start-up message.
    std::string OnlyMessageText() const {
        return ui.views.size() == 1 ? ui.views[0].text : "<none or several>";
    }

    Context ctx;
    FakeFileSystem fileSystem;
    FakeShell shell;
    FakeSettingsStore settings;
    FakeSystem system;
    FakeInstanceBeacon beacon;
    FakeManagement management;
    FakeClock clock;
    RecordingMessageUi ui;
    Messages messages{ctx, settings, shell, ui};
    Startup startup{ctx, Services{fileSystem, shell, settings, system, beacon, management, clock}, messages};
};

std::string StartupText(const char* id) {
    AppIdentity app;
    app.programName = "Orbilo";
    app.executableSuffix = ".bin";
    const auto entry = StartupCatalogueEntry(app, id);
    return entry ? entry->text : std::string("<no such start-up message>");
}

TEST_F(StartupTest, FixedDiskStartSetsFoldersAndEveryDataFilePath) {
    ASSERT_EQ(Start(), StartupOutcome::ShowWindows);
    EXPECT_TRUE(ui.views.empty());
    const Location& where = ctx.location;
    EXPECT_EQ(where.StartFolder, "/home/ann/apps/Orbilo/");
    EXPECT_EQ(where.DriveRoot, "/");
    EXPECT_EQ(where.MediaDriveLetter, "/");
    EXPECT_EQ(where.WindowsFolder, "/usr/");
    EXPECT_FALSE(where.RemovableMode);
    EXPECT_EQ(where.ProgramFolder, "/home/ann/apps/Orbilo/");
    EXPECT_EQ(where.ProgramFolderUpper, "/HOME/ANN/APPS/ORBILO/");
    EXPECT_EQ(where.DataFolder, "/home/ann/apps/Orbilo/Orbilo");
    EXPECT_EQ(where.MakerFolder, "");
    EXPECT_EQ(ctx.files.settings, "/home/ann/apps/Orbilo/Orbilo/Set.Korrin");
    EXPECT_EQ(ctx.files.listFile, "/home/ann/apps/Orbilo/Orbilo/ListFile.Korrin");
    EXPECT_EQ(ctx.files.listFold, "/home/ann/apps/Orbilo/Orbilo/ListFold.Korrin");
    EXPECT_EQ(ctx.files.listProg, "/home/ann/apps/Orbilo/Orbilo/ListProg.Korrin");
    EXPECT_EQ(ctx.files.listWeb, "/home/ann/apps/Orbilo/Orbilo/ListWeb.Korrin");
    // Fixed mode has no media settings and no home-machine files.
    EXPECT_EQ(ctx.files.mediaSettings, "");
    EXPECT_EQ(ctx.files.machine, "");
    EXPECT_EQ(ctx.files.machineProg, "");
    EXPECT_EQ(ctx.app.applicationTitle, "Orbilo Korrin");
    EXPECT_EQ(ctx.app.versionText, "Version 2.0");
    EXPECT_EQ(ctx.app.helpProgramName, "OrbiloHelp");
    EXPECT_EQ(ctx.app.IdleText, "Orbilo");
    EXPECT_EQ(beacon.claimed, std::vector<std::string>{"Orbilo Korrin"});
}

TEST_F(StartupTest, StartedFromTheRootOfRemovableMediaKeepsDataBesideTheProgram) {
    fileSystem.AddDrive("/media/ann/STICK", 1, "/media/ann/STICK");
    fileSystem.AddFile("/media/ann/STICK/Orbilo.bin");
    system.currentDirectory = "/media/ann/STICK";
    ASSERT_EQ(Start(), StartupOutcome::ShowWindows);
    EXPECT_TRUE(ctx.location.RemovableMode);
    EXPECT_EQ(ctx.location.StartFolder, "/media/ann/STICK/");
    EXPECT_EQ(ctx.location.DriveRoot, "/media/ann/STICK/");
    EXPECT_EQ(ctx.location.MediaDriveLetterUpper, "/MEDIA/ANN/STICK");
    EXPECT_EQ(ctx.location.DataFolder, "/media/ann/STICK/Orbilo");
    EXPECT_EQ(ctx.location.MakerFolder, "/media/ann/STICK/Korrin/");
    EXPECT_EQ(ctx.files.mediaSettings, "/media/ann/STICK/Orbilo/MediaSet.Korrin");
    EXPECT_EQ(ctx.files.machine, "/media/ann/STICK/Orbilo/Machine.Korrin");
    EXPECT_EQ(ctx.files.machineFile, "/media/ann/STICK/Orbilo/MachineFile.Korrin");
    EXPECT_EQ(ctx.files.machineFold, "/media/ann/STICK/Orbilo/MachineFold.Korrin");
    EXPECT_EQ(ctx.files.machineProg, "/media/ann/STICK/Orbilo/MachineProg.Korrin");
}

struct DriveCase {
    int typeCode;
    const char* messageId;  // nullptr: the start goes on
    bool removable;
};

class DriveClassificationTest : public StartupTest, public testing::WithParamInterface<DriveCase> {};

TEST_P(DriveClassificationTest, DriveTypeDecidesTheRunModeOrStopsTheStart) {
    const DriveCase& c = GetParam();
    fileSystem.AddDrive("/mnt/drive", c.typeCode, "/mnt/drive");
    fileSystem.AddFile("/mnt/drive/apps/Orbilo.bin");
    system.currentDirectory = "/mnt/drive/apps";
    const StartupOutcome outcome = Start();
    if (c.messageId == nullptr) {
        EXPECT_EQ(outcome, StartupOutcome::ShowWindows);
        EXPECT_TRUE(ui.views.empty());
        EXPECT_EQ(ctx.location.RemovableMode, c.removable);
    } else {
        EXPECT_EQ(outcome, StartupOutcome::EndProgram);
        EXPECT_EQ(OnlyMessageText(), StartupText(c.messageId));
        EXPECT_EQ(ctx.location.DataFolder, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Drives, DriveClassificationTest,
                         testing::Values(DriveCase{0, "MessageMediaUnknown", false},
                                         DriveCase{1, nullptr, true}, DriveCase{2, nullptr, false},
                                         DriveCase{3, "MessageMediaUnknown", false},
                                         DriveCase{4, "MessageMediaCDRom", false},
                                         DriveCase{5, nullptr, true}, DriveCase{9, nullptr, true}));

TEST_F(StartupTest, DriveThatCannotBeExaminedAsksForTheScriptingRuntime) {
    fileSystem.FailOn("GetDrive");
    EXPECT_EQ(Start(), StartupOutcome::EndProgram);
    EXPECT_EQ(OnlyMessageText(), StartupText("MessageNeedSriptRuntime"));
}

struct ScreenCase {
    int width;
    int height;
    bool passes;
};

class ScreenCheckTest : public StartupTest, public testing::WithParamInterface<ScreenCase> {};

TEST_P(ScreenCheckTest, ScreenBelowTheMinimumStopsBeforeTheInstanceCheck) {
    system.screen = ScreenMetrics{GetParam().width, GetParam().height, 15.0, 15.0};
    beacon.otherInstanceRunning = true;  // would end silently if the check came first
    Start();
    if (GetParam().passes) {
        EXPECT_TRUE(ui.views.empty());
        EXPECT_EQ(beacon.activated.size(), 1u);
    } else {
        EXPECT_EQ(OnlyMessageText(), StartupText("MessageSmallScreen"));
        EXPECT_TRUE(ctx.endRequested);
        EXPECT_TRUE(beacon.activated.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenCheckTest,
                         testing::Values(ScreenCase{12000, 9000, true}, ScreenCase{11999, 20000, false},
                                         ScreenCase{20000, 8999, false}, ScreenCase{9600, 7200, false}));

TEST_F(StartupTest, SecondInstanceBringsTheFirstForwardAndEndsSilently) {
    beacon.otherInstanceRunning = true;
    EXPECT_EQ(Start(), StartupOutcome::EndProgram);
    EXPECT_TRUE(ui.views.empty());
    EXPECT_EQ(beacon.activated, std::vector<std::string>{"Orbilo Korrin"});
    EXPECT_TRUE(beacon.claimed.empty());
    EXPECT_EQ(ctx.location.StartFolder, "");  // nothing after the instance check ran
}

TEST_F(StartupTest, InstanceThatCannotBeFoundLetsThisOneStart) {
    for (const bool unusableLock : {false, true}) {
        Context fresh;
        ctx = fresh;
        beacon.otherInstanceRunning = !unusableLock;
        beacon.otherInstanceAnswers = false;
        beacon.lockUnusable = unusableLock;
        EXPECT_EQ(Start(), StartupOutcome::ShowWindows) << unusableLock;
        EXPECT_EQ(ctx.app.applicationTitle, "Orbilo Korrin");
        EXPECT_TRUE(ui.views.empty());
    }
}

struct SystemFolderCase {
    const char* windowsFolder;
    const char* currentDirectory;
    bool stops;
};

class SystemFolderTest : public StartupTest, public testing::WithParamInterface<SystemFolderCase> {};

TEST_P(SystemFolderTest, StartInsideTheSystemFolderStops) {
    const SystemFolderCase& c = GetParam();
    system.windowsFolder = c.windowsFolder;
    system.currentDirectory = c.currentDirectory;
    fileSystem.AddFile(std::string(c.currentDirectory) + "/Orbilo.bin");
    const StartupOutcome outcome = Start();
    if (c.stops) {
        EXPECT_EQ(outcome, StartupOutcome::EndProgram);
        EXPECT_EQ(OnlyMessageText(), StartupText("MessageProgInSystem"));
        EXPECT_TRUE(fileSystem.CreatedFolders().empty());
    } else {
        EXPECT_EQ(outcome, StartupOutcome::ShowWindows) << c.currentDirectory;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SystemFolderTest,
    testing::Values(SystemFolderCase{"/usr", "/usr", true}, SystemFolderCase{"/usr", "/usr/lib/orbilo", true},
                    SystemFolderCase{"/usr/", "/usr/bin", true},
                    // the comparison ignores letter case, and includes the trailing separator
                    SystemFolderCase{"/usr", "/USR/Share", true},
                    SystemFolderCase{"/usr", "/usrlocal/apps", false},
                    SystemFolderCase{"/usr", "/home/usr", false},
                    // no answer from the system: the check is skipped instead of matching everything
                    SystemFolderCase{"", "/home/ann/apps/Orbilo", false}));

TEST_F(StartupTest, OverlongSystemFolderAnswerIsNotTaken) {
    system.windowsFolder = "/" + std::string(254, 'u');
    system.currentDirectory = system.windowsFolder + "/apps";
    fileSystem.AddFile(system.currentDirectory + "/Orbilo.bin");
    EXPECT_EQ(Start(), StartupOutcome::ShowWindows);
    EXPECT_EQ(ctx.location.WindowsFolder, "");
}

TEST_F(StartupTest, MissingExecutableInTheStartFolderStopsWithoutTouchingData) {
    system.currentDirectory = "/home/ann/Desktop";
    EXPECT_EQ(Start(), StartupOutcome::EndProgram);
    EXPECT_EQ(OnlyMessageText(), StartupText("MessageMyPathNotFound"));
    EXPECT_TRUE(fileSystem.CreatedFolders().empty());
    EXPECT_TRUE(fileSystem.WrittenFiles().empty());
}

TEST_F(StartupTest, FirstStartOnAFixedDiskAsksTheNameThenShowsTheFirstStartNotice) {
    settings.values.clear();
    ui.AnswerOk("Ann");
    ASSERT_EQ(Start(), StartupOutcome::ShowWindows);
    ASSERT_EQ(ui.views.size(), 1u);
    EXPECT_EQ(ui.views[0].head, "Your Name Please");
    EXPECT_TRUE(ui.views[0].nameInput);
    EXPECT_EQ((settings.values[{"RavuVod", "NidraBhanga", "NickName"}]), "Ann");
    EXPECT_TRUE(ctx.FirstStart);
    // The defaults of a missing settings file register the start with the desktop session.
    EXPECT_EQ(shell.registry.at(
                  "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\KorrinsLauncher"),
              "/home/ann/apps/Orbilo/Orbilo.bin");
    EXPECT_TRUE(fileSystem.HasFolder("/home/ann/apps/Orbilo/Orbilo"));

    startup.AfterShow();
    ASSERT_EQ(ui.views.size(), 2u);
    EXPECT_EQ(ui.views[1].title, "Message For - Ann");
    EXPECT_NE(ui.views[1].text.find("You will type Code and Command in the Text Box (blue part)."),
              std::string::npos);
}

TEST_F(StartupTest, LaterStartsNeitherAskTheNameNorShowTheNotice) {
    ASSERT_EQ(Start(), StartupOutcome::ShowWindows);
    startup.AfterShow();
    EXPECT_TRUE(ui.views.empty());
    EXPECT_FALSE(ctx.FirstStart);
}

TEST_F(StartupTest, RemovableMediaNeverAsksForTheName) {
    settings.values.clear();
    fileSystem.AddDrive("/media/stick", 1, "/media/stick");
    fileSystem.AddFile("/media/stick/Orbilo.bin");
    system.currentDirectory = "/media/stick";
    ASSERT_EQ(Start(), StartupOutcome::ShowWindows);
    for (const MessageView& view : ui.views) EXPECT_NE(view.head, "Your Name Please");
    EXPECT_EQ(ctx.options.Options, 2);
    EXPECT_TRUE(shell.registry.empty());  // no start-up registration from a stick
    EXPECT_TRUE(ctx.FirstStart);          // first start on this medium
}

TEST_F(StartupTest, TheLaunchListIsLoadedAtStartAndSavedAtExit) {
    const std::string data = "/home/ann/apps/Orbilo/Orbilo/";
    fileSystem.AddFolder(data);
    fileSystem.AddFile("/usr/bin/env");
    fileSystem.AddFile(data + "Set.Korrin",
                       "3\r\n-1\r\n-1\r\n0\r\n-1\r\n150\r\n300\r\n\"\"\r\n-1\r\n-1\r\n-1\r\n");
    fileSystem.AddFile(data + "ListProg.Korrin", "\"env\",\"/usr/bin/env\"\r\n");
    ASSERT_EQ(Start(), StartupOutcome::ShowWindows);
    ASSERT_EQ(ctx.launchList[Group::Program].Count(), 1);
    EXPECT_EQ(ctx.launchList[Group::Program].paths[0], "/usr/bin/env");
    EXPECT_EQ(ctx.options.AlwaysOnTop, 1);

    ctx.launchList[Group::Web].Append("site", "http://example.org");
    startup.SaveAtExit(600, 900);
    EXPECT_EQ(fileSystem.Content(data + "Set.Korrin"),
              "3\r\n-1\r\n-1\r\n0\r\n0\r\n600\r\n900\r\n\"\"\r\n-1\r\n-1\r\n-1\r\n");
    EXPECT_EQ(fileSystem.Content(data + "ListWeb.Korrin"), "\"site\",\"http://example.org\"\r\n");
    EXPECT_EQ(fileSystem.Content(data + "ListProg.Korrin"), "\"env\",\"/usr/bin/env\"\r\n");
}

TEST_F(StartupTest, StartupMessageEndsTheProgramAlsoWhenClosedOtherwise) {
    system.currentDirectory = "/usr/local";
    ui.replies.push_back(MessageReply{MessageAnswer::Cancel, ""});
    EXPECT_EQ(Start(), StartupOutcome::EndProgram);
    EXPECT_TRUE(ctx.endRequested);
    EXPECT_EQ(ui.views.at(0).title, "myMessage");
}

}  // namespace
}  // namespace orbilo::test
