// The settings file: its exact bytes, the defaults for every kind of damage, the start-up
// registration that comes with the defaults on a fixed disk, and the option bits.
#include <string>

#include "SettingsFixture.h"
#include "settings/SettingsFile.h"
#include "settings/StartupRegistration.h"

namespace orbilo::test {
namespace {

class SettingsFileTest : public SettingsFixture {
  protected:
    bool Read() { return settingsFile.Read(); }

    // Every value at its default for the run mode, and nothing kept from a partial read.
    void ExpectDefaults(int options) const {
        const SettingsFileState& state = ctx.settingsFile;
        EXPECT_FALSE(state.readWhole);
        EXPECT_EQ(ctx.options.Options, options);
        for (const int last : {state.ListFileLast, state.ListFoldLast, state.ListProgLast, state.ListWebLast,
                               state.MachineFileLast, state.MachineFoldLast, state.MachineProgLast}) {
            EXPECT_EQ(last, -1);
        }
        EXPECT_EQ(state.Top, 0);
        EXPECT_EQ(state.Left, 0);
        EXPECT_EQ(state.RememberedFolder, "");
    }

    StartupRegistration registration{ctx, shell, messages};
    SettingsFile settingsFile{ctx, fileSystem, registration};
};

// Eleven lines as the launcher writes them, with a folder that holds a quote and a comma.
const std::string kGoodFile =
    "5\r\n3\r\n-1\r\n12\r\n0\r\n1200\r\n-45\r\n"
    "\"/home/ann/My \"\"best\"\", folder/\"\r\n"
    "-1\r\n2\r\n-1\r\n";

TEST_F(SettingsFileTest, ReadThenWriteGivesTheSameBytes) {
    fileSystem.AddFile(ctx.files.settings, kGoodFile);
    ASSERT_TRUE(Read());
    const SettingsFileState& state = ctx.settingsFile;
    EXPECT_TRUE(state.readWhole);
    EXPECT_EQ(ctx.options.Options, 5);
    EXPECT_EQ(state.ListFileLast, 3);
    EXPECT_EQ(state.ListFoldLast, -1);
    EXPECT_EQ(state.ListProgLast, 12);
    EXPECT_EQ(state.ListWebLast, 0);
    EXPECT_EQ(state.Top, 1200);
    EXPECT_EQ(state.Left, -45);
    EXPECT_EQ(state.RememberedFolder, "/home/ann/My \"best\", folder/");
    EXPECT_EQ(state.MachineFoldLast, 2);

    fileSystem.AddFile(ctx.files.settings, "");
    ASSERT_TRUE(settingsFile.Write());
    EXPECT_EQ(fileSystem.Content(ctx.files.settings), kGoodFile);
    EXPECT_EQ(shell.regWrites, 0);
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(SettingsFileTest, WriteGivesElevenLinesAndLeavesLineEightEmptyOnMedia) {
    ctx.options.Options = 6;
    SettingsFileState& state = ctx.settingsFile;
    state.ListFileLast = 0;
    state.ListFoldLast = 1;
    state.ListProgLast = 2;
    state.ListWebLast = -1;
    state.Top = 300;
    state.Left = 450;
    state.RememberedFolder = "/home/ann/old/";
    state.RememberedFolderToWrite = "/home/ann/Documents/";
    state.MachineFileLast = 4;
    state.MachineFoldLast = -1;
    state.MachineProgLast = 7;

    ASSERT_TRUE(settingsFile.Write());
    EXPECT_EQ(fileSystem.Content(ctx.files.settings),
              "6\r\n0\r\n1\r\n2\r\n-1\r\n300\r\n450\r\n\"/home/ann/Documents/\"\r\n4\r\n-1\r\n7\r\n");

    const SettingsFileState kept = state;
    UseStick();
    ctx.settingsFile = kept;
    ASSERT_TRUE(settingsFile.Write());
    EXPECT_EQ(fileSystem.Content(ctx.files.settings),
              "6\r\n0\r\n1\r\n2\r\n-1\r\n300\r\n450\r\n\"\"\r\n4\r\n-1\r\n7\r\n");
}

TEST_F(SettingsFileTest, DamagedFilesGiveTheDefaults) {
    const std::string tenLines = "5\r\n3\r\n-1\r\n12\r\n0\r\n1200\r\n-45\r\n\"/home/ann/\"\r\n-1\r\n2\r\n";
    const struct {
        const char* name;
        std::string content;
    } cases[] = {
        {"ten lines", tenLines},
        {"empty file", ""},
        {"letters where a count goes",
         "5\r\nabc\r\n-1\r\n12\r\n0\r\n1200\r\n-45\r\n\"\"\r\n-1\r\n2\r\n-1\r\n"},
        {"number with letters", "5\r\n3x\r\n-1\r\n12\r\n0\r\n1200\r\n-45\r\n\"\"\r\n-1\r\n2\r\n-1\r\n"},
        {"quoted number", "\"5\"\r\n3\r\n-1\r\n12\r\n0\r\n1200\r\n-45\r\n\"\"\r\n-1\r\n2\r\n-1\r\n"},
        {"letters in the last count", "5\r\n3\r\n-1\r\n12\r\n0\r\n1200\r\n-45\r\n\"\"\r\n-1\r\n2\r\nx\r\n"},
        {"count above 32766", "5\r\n32767\r\n-1\r\n12\r\n0\r\n1200\r\n-45\r\n\"\"\r\n-1\r\n2\r\n-1\r\n"},
        {"count below -1", "5\r\n3\r\n-2\r\n12\r\n0\r\n1200\r\n-45\r\n\"\"\r\n-1\r\n2\r\n-1\r\n"},
        {"top above 16 bits", "5\r\n3\r\n-1\r\n12\r\n0\r\n32768\r\n-45\r\n\"\"\r\n-1\r\n2\r\n-1\r\n"},
        {"left below 16 bits", "5\r\n3\r\n-1\r\n12\r\n0\r\n1200\r\n-32769\r\n\"\"\r\n-1\r\n2\r\n-1\r\n"},
        {"huge number",
         "99999999999999999999999\r\n3\r\n-1\r\n12\r\n0\r\n0\r\n0\r\n\"\"\r\n-1\r\n2\r\n-1\r\n"},
        {"unterminated folder", "5\r\n3\r\n-1\r\n12\r\n0\r\n1200\r\n-45\r\n\"/home/ann\r\n-1\r\n2\r\n-1\r\n"},
        {"binary", std::string("\x00\xff\x01\"\x7f,\r\n\x80", 9)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A previous good read must not leave anything behind.
        fileSystem.AddFile(ctx.files.settings, kGoodFile);
        ASSERT_TRUE(Read());
        fileSystem.AddFile(ctx.files.settings, c.content);
        EXPECT_FALSE(Read());
        ExpectDefaults(3);
    }
}

TEST_F(SettingsFileTest, ValuesAtTheEdgesOfTheirRangesAreGood) {
    fileSystem.AddFile(ctx.files.settings,
                       "0\r\n32766\r\n-1\r\n-1\r\n-1\r\n-32768\r\n32767\r\n\r\n-1\r\n-1\r\n32766\r\n");
    ASSERT_TRUE(Read());
    EXPECT_EQ(ctx.settingsFile.ListFileLast, 32766);
    EXPECT_EQ(ctx.settingsFile.Top, -32768);
    EXPECT_EQ(ctx.settingsFile.Left, 32767);
    // An empty line 8 without quotes, as an editor may leave it, is an empty folder.
    EXPECT_EQ(ctx.settingsFile.RememberedFolder, "");
    EXPECT_EQ(ctx.options.Options, 0);
}

TEST_F(SettingsFileTest, FirstStartOnAFixedDiskRegistersTheLauncher) {
    EXPECT_FALSE(Read());
    ExpectDefaults(3);
    EXPECT_EQ(shell.registry.size(), 1u);
    EXPECT_EQ(shell.registry[kStartupKey], "/home/ann/apps/Orbilo.bin");
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(SettingsFileTest, FirstStartOnAStickRegistersNothing) {
    UseStick();
    EXPECT_FALSE(Read());
    ExpectDefaults(2);
    EXPECT_EQ(shell.regWrites, 0);
    EXPECT_TRUE(shell.registry.empty());
}

TEST_F(SettingsFileTest, AGoodFileOnAFixedDiskLeavesTheRegistrationAlone) {
    fileSystem.AddFile(ctx.files.settings, kGoodFile);
    ASSERT_TRUE(Read());
    EXPECT_EQ(shell.regWrites, 0);
}

TEST_F(SettingsFileTest, ARegistrationThatCannotBeWrittenIsReportedAndTheDefaultsStay) {
    shell.FailOn("RegWrite");
    EXPECT_FALSE(Read());
    EXPECT_TRUE(OnlyBugReport("ProgRegKeyCreateString"));
    ExpectDefaults(3);
}

TEST_F(SettingsFileTest, WriteNeverLeavesAFileTheNextStartWouldThrowAway) {
    // A strip dragged far right on a wide screen lies beyond 16-bit twips.
    ctx.options.Options = 3;
    ctx.settingsFile.Top = 45000;
    ctx.settingsFile.Left = -40000;
    ctx.settingsFile.ListProgLast = 40000;
    ASSERT_TRUE(settingsFile.Write());
    ctx.settingsFile = SettingsFileState{};
    ASSERT_TRUE(Read());
    EXPECT_EQ(ctx.settingsFile.Top, 32767);
    EXPECT_EQ(ctx.settingsFile.Left, -32768);
    EXPECT_EQ(ctx.settingsFile.ListProgLast, 32766);
}

TEST_F(SettingsFileTest, AFailedWriteIsSilentAndKeepsTheOldFile) {
    fileSystem.AddFile(ctx.files.settings, kGoodFile);
    fileSystem.FailOn("WriteFile");
    ctx.options.Options = 1;
    EXPECT_FALSE(settingsFile.Write());
    EXPECT_EQ(fileSystem.Content(ctx.files.settings), kGoodFile);
    EXPECT_TRUE(ui.views.empty());
}

TEST(OptionsTest, EachBitGivesOneOption) {
    const struct {
        int options;
        int startWithWindows;
        int alwaysOnTop;
        int showAddUrlBoxAtStart;
    } cases[] = {
        {0, 0, 0, 0}, {1, 1, 0, 0}, {2, 0, 1, 0}, {3, 1, 1, 0},
        {4, 0, 0, 1}, {5, 1, 0, 1}, {6, 0, 1, 1}, {7, 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        OptionState options;
        options.Options = c.options;
        SplitOptions(options);
        EXPECT_EQ(options.StartWithWindows, c.startWithWindows);
        EXPECT_EQ(options.AlwaysOnTop, c.alwaysOnTop);
        EXPECT_EQ(options.ShowAddUrlBoxAtStart, c.showAddUrlBoxAtStart);
        EXPECT_EQ(CombinedOptions(options), c.options);
    }
}

}  // namespace
}  // namespace orbilo::test
