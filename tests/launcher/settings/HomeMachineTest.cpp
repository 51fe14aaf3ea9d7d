// The home machine on a stick: the identity file's bytes, the comparison, Remember My Computer,
// and every row of the rule for adding items from other drives.
#include <string>

#include "SettingsFixture.h"
#include "settings/HomeMachine.h"

namespace orbilo::test {
namespace {

const char kMachineFile[] = "/media/ann/STICK/Orbilo/Machine.Korrin";
const char kIdentity[] = "3\r\n\"1A2B-3C4D\"\r\n512110190592\r\n";

const std::string kF1 =
    "You can add Program, File and Folder to Launch List only if those are in a fixed Hard Disk. This one, "
    "that you are trying to add, doesn't seems to be on a fixed Hard Disk.";
const std::string kR1 =
    "While Orbilo runs from a Removable Media - it can add Program, File and Folder to Launch List only from "
    "it's own Drive and from fixed Hard Drive of only one selected machine.\r\n\r\n"
    "The selected machine need to be identified first.\r\n\r\n"
    "If this is the machine from which you want to add items to Launch List then please close this window by "
    "clicking 'OK' button and then in the main window click on 'Preferences' button and then on 'Remember My "
    "Computer' button in the Preferences box.\r\n\r\n"
    "After doing so you should be able to add items to Launch List from this machine if those items are on a "
    "fixed Hard Disk.";
const std::string kR2 =
    "From this machine you can add Program, File and Folder to Launch List but only if those are on a fixed "
    "Hard Disk. This one, that you are trying to add, doesn't seems to be on a fixed Hard Disk.";
const std::string kR3 =
    "While Orbilo runs from a Removable Media - Program File and Folder if not on the same Media with "
    "Orbilo, "
    "can be added to Launch List only From one machine.\r\n\r\n"
    "You have already indentifed a machine from which to add to Launch List. This is not that machine.";

class HomeMachineTest : public SettingsFixture {
  protected:
    HomeMachineTest() {
        UseStick();
        fileSystem.AddDrive("/mnt/data", 2, "/mnt/data");
        fileSystem.AddDrive("/media/ann/OTHER", 1, "/media/ann/OTHER");
        fileSystem.AddDrive("/media/ann/cdrom", 4, "/media/ann/cdrom");
        fileSystem.AddDrive("/mnt/share", 3, "/mnt/share");
        // The stick's mount point as another path spells it: the drive is compared without case.
        fileSystem.AddDrive("/media/ann/stick", 1, "/media/ann/stick");
    }

    HomeMachine home{ctx, fileSystem, management, messages};
};

TEST_F(HomeMachineTest, RememberMyComputerWritesTheIdentityAndMakesThisTheHomeMachine) {
    ctx.home.MachineFileMissing = true;
    EXPECT_TRUE(home.RememberMyComputer());
    EXPECT_EQ(fileSystem.Content(kMachineFile), kIdentity);
    EXPECT_FALSE(ctx.home.MachineFileMissing);
    EXPECT_TRUE(ctx.home.HomeMachine);
    EXPECT_TRUE(ui.views.empty());
    EXPECT_TRUE(home.DeclareOwnerOnMedia(kMachineFile));
}

TEST_F(HomeMachineTest, RememberMyComputerWritesLargeSizesAsPlainDigits) {
    management.disk.size = 18000207937536.0;  // 18 TB
    ASSERT_TRUE(home.RememberMyComputer());
    EXPECT_EQ(fileSystem.Content(kMachineFile), "3\r\n\"1A2B-3C4D\"\r\n18000207937536\r\n");
    EXPECT_TRUE(home.DeclareOwnerOnMedia(kMachineFile));
}

TEST_F(HomeMachineTest, RememberMyComputerThatFailsSaysSoAndChangesNothing) {
    const std::string text = "Could not save data for identifying this machine. Reason undetermined";
    for (const char* failure : {"write", "management"}) {
        SCOPED_TRACE(failure);
        FakeFileSystem failingFiles;
        failingFiles.FailOn("WriteFile");
        FakeManagement missing;
        missing.unavailable = true;
        const bool writeFails = std::string(failure) == "write";
        HomeMachine failing(ctx, writeFails ? failingFiles : fileSystem, writeFails ? management : missing,
                            messages);
        ui.views.clear();
        ctx.home.MachineFileMissing = true;
        ctx.home.HomeMachine = false;
        EXPECT_FALSE(failing.RememberMyComputer());
        ASSERT_EQ(ui.views.size(), 1u);
        EXPECT_EQ(ui.views[0].text, text);
        EXPECT_EQ(ui.views[0].okCaption, "OK");
        EXPECT_FALSE(ui.views[0].cancelEnabled);
        EXPECT_TRUE(ctx.home.MachineFileMissing);
        EXPECT_FALSE(ctx.home.HomeMachine);
    }
    EXPECT_FALSE(fileSystem.HasFile(kMachineFile));
}

TEST_F(HomeMachineTest, AnyDifferenceInTheIdentityMakesAStranger) {
    const struct {
        const char* name;
        DiskIdentity disk;
        bool home;
    } cases[] = {
        {"same disk", {3, "1A2B-3C4D", 512110190592.0}, true},
        {"other serial", {3, "1A2B-3C4E", 512110190592.0}, false},
        {"serial in other letter case", {3, "1a2b-3c4d", 512110190592.0}, false},
        {"resized", {3, "1A2B-3C4D", 512110190593.0}, false},
        {"other drive type", {2, "1A2B-3C4D", 512110190592.0}, false},
    };
    fileSystem.AddFile(kMachineFile, kIdentity);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        management.disk = c.disk;
        EXPECT_EQ(home.DeclareOwnerOnMedia(kMachineFile), c.home);
    }
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(HomeMachineTest, ANumberWrittenDifferentlyStillComparesByValue) {
    fileSystem.AddFile(kMachineFile, "03\r\n\"1A2B-3C4D\"\r\n0512110190592\r\n");
    EXPECT_TRUE(home.DeclareOwnerOnMedia(kMachineFile));
}

TEST_F(HomeMachineTest, AComputerThatCannotBeExaminedIsReportedAndIsAStranger) {
    fileSystem.AddFile(kMachineFile, kIdentity);
    management.unavailable = true;
    EXPECT_FALSE(home.DeclareOwnerOnMedia(kMachineFile));
    EXPECT_TRUE(OnlyBugReport("DeclareOwnerOnMedia"));
}

TEST_F(HomeMachineTest, ADamagedIdentityFileIsAStrangerWithoutAReport) {
    for (const std::string& content :
         {std::string(""), std::string("3\r\n\"1A2B-3C4D\"\r\n"),
          std::string("3\r\n\"1A2B-3C4D\"\r\n512110190592.0\r\n"),
          std::string("x\r\n\"1A2B-3C4D\"\r\n512110190592\r\n"),
          std::string("3\r\n\"1A2B-3C4D\r\n512110190592\r\n"), std::string("\x03\x00\xff\"\r\n", 6)}) {
        SCOPED_TRACE(content);
        fileSystem.AddFile(kMachineFile, content);
        EXPECT_FALSE(home.DeclareOwnerOnMedia(kMachineFile));
    }
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(HomeMachineTest, TheStartSetsTheTwoFlags) {
    home.ReadAtStart();
    EXPECT_TRUE(ctx.home.MachineFileMissing);
    EXPECT_FALSE(ctx.home.HomeMachine);

    fileSystem.AddFile(kMachineFile, kIdentity);
    home.ReadAtStart();
    EXPECT_FALSE(ctx.home.MachineFileMissing);
    EXPECT_TRUE(ctx.home.HomeMachine);

    management.disk.volumeSerialNumber = "FFFF-0000";
    home.ReadAtStart();
    EXPECT_FALSE(ctx.home.MachineFileMissing);
    EXPECT_FALSE(ctx.home.HomeMachine);
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(HomeMachineTest, AnIdentityFileThatCannotBeLookedForIsNeverOverwritten) {
    fileSystem.AddFile(kMachineFile, kIdentity);
    fileSystem.FailOn("FileExists");
    home.ReadAtStart();
    EXPECT_TRUE(OnlyBugReport("ProgFileExistPub"));
    // Not "missing": Remember My Computer must not become reachable over a stored identity.
    EXPECT_FALSE(ctx.home.MachineFileMissing);
    EXPECT_FALSE(ctx.home.HomeMachine);
}

TEST_F(HomeMachineTest, OnAFixedDiskTheFlagsStayOff) {
    UseFixedDisk();
    fileSystem.AddFile("/home/ann/apps/Orbilo/Machine.Korrin", kIdentity);
    home.ReadAtStart();
    EXPECT_FALSE(ctx.home.MachineFileMissing);
    EXPECT_FALSE(ctx.home.HomeMachine);
    // And there is nowhere to remember a computer.
    EXPECT_FALSE(home.RememberMyComputer());
    EXPECT_EQ(ui.views.size(), 1u);
}

enum class Machine { Fixed, NoneNamed, Home, Stranger };

TEST_F(HomeMachineTest, TheAddRuleRefusesExactlyAsItsTableSays) {
    const struct {
        const char* name;
        Machine machine;
        const char* path;
        int browseType;
        int pickedType;
        std::string refusal;
        bool reEnableRemember;
    } cases[] = {
        {"fixed: same drive", Machine::Fixed, "/home/ann/notes.txt", 1, -1, "", false},
        {"fixed: other fixed disk", Machine::Fixed, "/mnt/data/report.odt", 2, -1, "", false},
        {"fixed: stick", Machine::Fixed, "/media/ann/OTHER/tool.bin", 1, -1, kF1, false},
        {"fixed: network share", Machine::Fixed, "/mnt/share/doc.txt", 3, -1, kF1, false},
        {"fixed: CD", Machine::Fixed, "/media/ann/cdrom/setup.bin", 4, -1, kF1, false},
        {"fixed: drive nobody can examine", Machine::Fixed, "nowhere/x", 2, -1, kF1, false},
        {"media: own drive before any home", Machine::NoneNamed, "/media/ann/STICK/Apps/tool.bin", 0, -1, "",
         false},
        {"media: own drive in other case", Machine::Stranger, "/media/ann/stick/Apps/tool.bin", 0, -1, "",
         false},
        {"media: no home machine yet", Machine::NoneNamed, "/home/ann/notes.txt", 2, -1, kR1, true},
        {"media: home, fixed disk", Machine::Home, "/home/ann/notes.txt", 2, -1, "", false},
        {"media: home, CD", Machine::Home, "/media/ann/cdrom/setup.bin", 4, -1, kR2, false},
        {"media: home, other stick", Machine::Home, "/media/ann/OTHER/tool.bin", 1, -1, kR2, false},
        {"media: stranger, fixed disk", Machine::Stranger, "/home/ann/notes.txt", 2, -1, kR3, false},
        {"media: home, picked fixed over browsed CD", Machine::Home, "/usr/bin/tool", 4, 2, "", false},
        {"media: home, picked CD over browsed fixed", Machine::Home, "/media/ann/cdrom/x.bin", 2, 4, kR2,
         false},
        {"fixed: picked stick over browsed fixed", Machine::Fixed, "/media/ann/OTHER/x.bin", 2, 1, kF1,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.machine == Machine::Fixed) {
            UseFixedDisk();
        } else {
            UseStick();
        }
        ctx.home.MachineFileMissing = c.machine == Machine::NoneNamed;
        ctx.home.HomeMachine = c.machine == Machine::Home;
        ctx.home.BrowseDriveType = c.browseType;
        ctx.home.PickedDriveType = c.pickedType;
        ctx.message.ReEnableRemember = false;
        EXPECT_EQ(home.CheckDrivePermission(c.path), c.refusal);
        EXPECT_EQ(ctx.message.ReEnableRemember, c.reEnableRemember);
        EXPECT_EQ(ctx.home.PickedDriveType, -1);
    }
    // The rule only answers; showing the refusal is its caller's part.
    EXPECT_TRUE(ui.views.empty());
}

}  // namespace
}  // namespace orbilo::test
