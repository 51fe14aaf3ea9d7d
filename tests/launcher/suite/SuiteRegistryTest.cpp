// The suite registry at start: on a stick from the record files in the maker's folder (compared
// byte for byte), on a fixed disk from the per-user slots; the own folder, the siblings, the
// help program, and what is registered or repaired.
#include <string>
#include <vector>

#include "SuiteFixture.h"
#include "format/SuiteRecords.h"
#include "messages/MessageIds.h"
#include "suite/SuiteRegistry.h"

namespace orbilo::test {
namespace {

// The slot keys as every program of the suite spells them, by slot index.
const char* const kSlot[] = {"EkaaGuru", "DokaGuru", "TekaGuru", "CokaGuru", "PokaGuru",
                             "SokaGuru", "SataGuru", "AataGuru", "NayaGuru", "DasaGuru"};

std::string Record(const std::string& name, const std::string& folder) {
    return "\"" + name + "\",\"" + folder + "\"\r\n";
}

class SuiteRegistryTest : public SuiteFixture {
  protected:
    SuiteRegistry registry{ctx, fileSystem, store, clock, messages};
};

// ---- Removable media ----------------------------------------------------------------------

TEST_F(SuiteRegistryTest, AFreshStickGetsTheMakersFolderAndTheLaunchersRecord) {
    StartOnStick();
    Install(kStickStart, "Orbilo");
    // Even a help program beside the launcher is only looked for from the next start on.
    Install(std::string(kStickStart) + "Help/", "OrbiloHelp");

    ASSERT_TRUE(registry.OnMove());
    EXPECT_TRUE(fileSystem.HasFolder(kMaker));
    EXPECT_EQ(fileSystem.Content(kCountsFile), "0\r\n-1\r\n");
    EXPECT_EQ(fileSystem.Content(kProgramsFile), Record("Orbilo", kStickStart));
    EXPECT_EQ(ctx.location.MakerFolder, kMaker);
    EXPECT_EQ(ctx.location.ProgramFolder, kStickStart);
    EXPECT_EQ(ctx.location.ProgramFolderUpper, "/MEDIA/ANN/STICK/APPS/ORBILO/");
    EXPECT_EQ(ctx.siblings.SiblingLast, -1);
    EXPECT_FALSE(ctx.suite.HelpFound);
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(SuiteRegistryTest, WithoutItsExecutableTheLauncherStopsAndWritesNothing) {
    // A fresh stick, and a stick whose record and start folder both lack the executable.
    for (const bool recorded : {false, true}) {
        SCOPED_TRACE(recorded ? "recorded" : "fresh");
        fileSystem = FakeFileSystem();
        fileSystem.AddDrive(kStick, 1, "/media/ann/STICK");
        ui.views.clear();
        ctx.endRequested = false;
        StartOnStick();
        if (recorded) MediaFiles("0\r\n-1\r\n", Record("Orbilo", "/media/ann/STICK/Old/"));

        EXPECT_FALSE(registry.OnMove());
        EXPECT_TRUE(ctx.suite.PathNotFound);
        EXPECT_EQ(ShownTexts(), std::vector<std::string>{StartupText(kMessageMyPathNotFound)});
        EXPECT_TRUE(ctx.endRequested);
        EXPECT_TRUE(fileSystem.WrittenFiles().empty());
        EXPECT_TRUE(fileSystem.CreatedFolders().empty());
    }
}

TEST_F(SuiteRegistryTest, AMovedLauncherRewritesOnlyItsOwnRecord) {
    StartOnStick();
    Install(kStickStart, "Orbilo");
    Install("/media/ann/STICK/Tazro/", "Tazro", "2.1.0.0");
    const std::string tazro = Record("Tazro", "/media/ann/STICK/Tazro/");
    MediaFiles("1\r\n-1\r\n", tazro + Record("Orbilo", "/media/ann/STICK/Old/"));

    ASSERT_TRUE(registry.OnMove());
    EXPECT_EQ(fileSystem.Content(kProgramsFile), tazro + Record("Orbilo", kStickStart));
    EXPECT_EQ(fileSystem.Content(kCountsFile), "1\r\n-1\r\n");
    EXPECT_EQ(ctx.location.ProgramFolder, kStickStart);
    EXPECT_EQ(ctx.siblings.SiblingNames, std::vector<std::string>{"Tazro"});
    EXPECT_EQ(ctx.siblings.SiblingPaths, std::vector<std::string>{"/media/ann/STICK/Tazro/Tazro.bin"});
    EXPECT_EQ(ctx.siblings.SiblingLast, 0);
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(SuiteRegistryTest, ARecordedFolderWinsOverTheStartFolder) {
    // Started through a shortcut whose working folder is elsewhere on the stick.
    StartOnStick("/media/ann/STICK/Documents/");
    Install(kStickStart, "Orbilo");
    MediaFiles("0\r\n-1\r\n", Record("Orbilo", kStickStart));

    ASSERT_TRUE(registry.OnMove());
    EXPECT_EQ(ctx.location.ProgramFolder, kStickStart);
    EXPECT_TRUE(fileSystem.WrittenFiles().empty());
}

TEST_F(SuiteRegistryTest, ADeletedSiblingIsNotListedButKeepsItsRecord) {
    StartOnStick();
    Install(kStickStart, "Orbilo");
    Install("/media/ann/STICK/Pelwin/", "Pelwin");
    // Registered already, so an old Tazro no longer stops the start.
    Install("/media/ann/STICK/Old/", "Tazro", "1.1.0.0");
    const std::string records = Record("Tazro", "/media/ann/STICK/Gone/") +
                                Record("Pelwin", "/media/ann/STICK/Pelwin/") + Record("Orbilo", kStickStart) +
                                Record("Tazro", "/media/ann/STICK/Old/");
    MediaFiles("3\r\n-1\r\n", records);

    ASSERT_TRUE(registry.OnMove());
    EXPECT_EQ(ctx.siblings.SiblingNames, (std::vector<std::string>{"Pelwin", "Tazro"}));
    EXPECT_EQ(ctx.siblings.SiblingLast, 1);
    EXPECT_EQ(fileSystem.Content(kProgramsFile), records);
    EXPECT_TRUE(fileSystem.WrittenFiles().empty());
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(SuiteRegistryTest, ACounterBelowZeroRegistersTheLauncherAndKeepsTheHelpCount) {
    // The help program ran first on this stick: it wrote -1 and 0 and its own record.
    StartOnStick();
    Install(kStickStart, "Orbilo");
    Install("/media/ann/STICK/Help/", "OrbiloHelp");
    MediaFiles("-1\r\n0\r\n", "");
    fileSystem.AddFile(kHelpsFile, Record("OrbiloHelp", "/media/ann/STICK/Help/"));

    ASSERT_TRUE(registry.OnMove());
    EXPECT_EQ(fileSystem.Content(kCountsFile), "0\r\n0\r\n");
    EXPECT_EQ(fileSystem.Content(kProgramsFile), Record("Orbilo", kStickStart));
    EXPECT_EQ(ctx.location.ProgramFolder, kStickStart);
    // Found through the media's help records.
    EXPECT_TRUE(ctx.suite.HelpFound);
    EXPECT_EQ(ctx.suite.HelpExePath, "/media/ann/STICK/Help/OrbiloHelp.bin");
}

TEST_F(SuiteRegistryTest, TheFirstStartBesideASiblingAppendsTheLaunchersRecord) {
    StartOnStick();
    Install(kStickStart, "Orbilo");
    Install("/media/ann/STICK/Tazro/", "Tazro", "2.0.0.0");
    Install("/media/ann/STICK/Pelwin/", "Pelwin", "3.1.0.0");
    const std::string siblings =
        Record("Tazro", "/media/ann/STICK/Tazro/") + Record("Pelwin", "/media/ann/STICK/Pelwin/");
    MediaFiles("1\r\n2\r\n", siblings);

    ASSERT_TRUE(registry.OnMove());
    EXPECT_EQ(fileSystem.Content(kProgramsFile), siblings + Record("Orbilo", kStickStart));
    EXPECT_EQ(fileSystem.Content(kCountsFile), "2\r\n2\r\n");
    EXPECT_EQ(ctx.siblings.SiblingNames, (std::vector<std::string>{"Tazro", "Pelwin"}));
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(SuiteRegistryTest, AnOutdatedTazroStopsTheFirstStartWithTheNotice) {
    StartOnStick();
    Install(kStickStart, "Orbilo");
    Install("/media/ann/STICK/Tazro/", "Tazro", "1.1.0.0");
    const std::string records = Record("Tazro", "/media/ann/STICK/Tazro/");
    MediaFiles("0\r\n-1\r\n", records);

    EXPECT_FALSE(registry.OnMove());
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{
                                "On this Media, Korrin's following program need to be updated before setting "
                                "up Orbilo. Unless this is done this program will not work properly on this "
                                "Media.\r\n\r\n      Minimum required version for Tazro : 1.2"});
    EXPECT_EQ(ui.views[0].okCaption, "OK");
    EXPECT_TRUE(ctx.endRequested);
    // Nothing is registered, so the notice comes again until Tazro is updated.
    EXPECT_TRUE(fileSystem.WrittenFiles().empty());
    EXPECT_EQ(fileSystem.Content(kProgramsFile), records);
}

TEST_F(SuiteRegistryTest, TwoOutdatedSiblingsAreNamedTazroFirst) {
    StartOnStick();
    Install(kStickStart, "Orbilo");
    Install("/media/ann/STICK/Pelwin/", "Pelwin", "1.3.0.0");
    Install("/media/ann/STICK/Tazro/", "Tazro", "1.9.9.9");
    MediaFiles("1\r\n-1\r\n",
               Record("Pelwin", "/media/ann/STICK/Pelwin/") + Record("Tazro", "/media/ann/STICK/Tazro/"));

    EXPECT_FALSE(registry.OnMove());
    EXPECT_EQ(ShownTexts(),
              std::vector<std::string>{
                  "On this Media, Korrin's following programs need to be updated before setting "
                  "up Orbilo. Unless this is done these programs will not work properly on this "
                  "Media.\r\n\r\n      Minimum required version for Tazro : 1.2\r\n      Minimum "
                  "required version for Pelwin : 1.3"});
    EXPECT_TRUE(ctx.endRequested);
}

TEST(SiblingVersionNotice, OnlyAVersionAboveZeroAndBelowTwoIsOutdated) {
    struct Case {
        float tazro;
        float pelwin;
        bool tazroLine;
        bool pelwinLine;
    };
    const Case cases[] = {
        {0.0f, 0.0f, false, false}, {2.0f, 2.5f, false, false}, {1.9f, 0.0f, true, false},
        {0.0f, 1.2f, false, true},  {1.0f, 1.9f, true, true},   {2.0f, 1.3f, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tazro << " " << c.pelwin);
        const std::string notice = SiblingVersionNotice("Orbilo", c.tazro, c.pelwin);
        EXPECT_EQ(notice.find("for Tazro : 1.2") != std::string::npos, c.tazroLine);
        EXPECT_EQ(notice.find("for Pelwin : 1.3") != std::string::npos, c.pelwinLine);
        EXPECT_EQ(notice.empty(), !c.tazroLine && !c.pelwinLine);
    }
}

TEST_F(SuiteRegistryTest, TheHelpBesideTheLauncherComesBeforeTheMediaRecords) {
    StartOnStick();
    Install(kStickStart, "Orbilo");
    Install(std::string(kStickStart) + "Help/", "OrbiloHelp");
    Install("/media/ann/STICK/Help/", "OrbiloHelp");
    MediaFiles("0\r\n0\r\n", Record("Orbilo", kStickStart));
    fileSystem.AddFile(kHelpsFile, Record("OrbiloHelp", "/media/ann/STICK/Help/"));

    ASSERT_TRUE(registry.OnMove());
    EXPECT_TRUE(ctx.suite.HelpFound);
    EXPECT_EQ(ctx.suite.HelpExePath, "/media/ann/STICK/Apps/Orbilo/Help/OrbiloHelp.bin");
}

TEST_F(SuiteRegistryTest, HelpRecordsAreReadOnlyWhenCountedAndOnlyForExistingExecutables) {
    StartOnStick();
    Install(kStickStart, "Orbilo");
    Install("/media/ann/STICK/Help/", "OrbiloHelp");
    fileSystem.AddFile(kHelpsFile, Record("OrbiloHelp", "/media/ann/STICK/Gone/") +
                                       Record("OrbiloHelp", "/media/ann/STICK/Help/") +
                                       Record("TazroHelp", "/media/ann/STICK/Help/"));
    struct Case {
        const char* counts;
        bool found;
    };
    for (const Case c : {Case{"0\r\n-1\r\n", false}, Case{"0\r\n2\r\n", true}}) {
        SCOPED_TRACE(c.counts);
        MediaFiles(c.counts, Record("Orbilo", kStickStart));
        ASSERT_TRUE(registry.OnMove());
        EXPECT_EQ(ctx.suite.HelpFound, c.found);
        EXPECT_EQ(ctx.suite.HelpExePath, c.found ? "/media/ann/STICK/Help/OrbiloHelp.bin" : "");
    }
}

TEST_F(SuiteRegistryTest, ADamagedCounterNeverCostsAnotherProgramItsRecord) {
    const std::string records = Record("Tazro", "/media/ann/STICK/Tazro/") + "scribble\r\n";
    // A counter that is garbage, one that is missing, one that says there are no records.
    for (const char* counts : {"garbage", static_cast<const char*>(nullptr), "-1\r\n0\r\n"}) {
        SCOPED_TRACE(counts != nullptr ? counts : "missing");
        fileSystem = FakeFileSystem();
        fileSystem.AddDrive(kStick, 1, "/media/ann/STICK");
        StartOnStick();
        Install(kStickStart, "Orbilo");
        Install("/media/ann/STICK/Tazro/", "Tazro", "2.2.0.0");
        fileSystem.AddFolder(kMaker);
        fileSystem.AddFile(kProgramsFile, records);
        fileSystem.AddFile(kHelpsFile, Record("OrbiloHelp", "/media/ann/STICK/Help/"));
        if (counts != nullptr) fileSystem.AddFile(kCountsFile, counts);

        ASSERT_TRUE(registry.OnMove());
        EXPECT_EQ(ctx.siblings.SiblingNames, std::vector<std::string>{"Tazro"});
        EXPECT_EQ(fileSystem.Content(kProgramsFile), records + Record("Orbilo", kStickStart));
        // The counter follows the records, and the help record stays counted.
        EXPECT_EQ(fileSystem.Content(kCountsFile), "2\r\n0\r\n");
    }
}

TEST_F(SuiteRegistryTest, ACounterThatDisagreesWithTheRecordsIsRepairedAlone) {
    StartOnStick();
    Install(kStickStart, "Orbilo");
    const std::string records = Record("Orbilo", kStickStart);
    for (const char* counts : {"garbage\r\n", "4\r\n-1\r\n"}) {
        SCOPED_TRACE(counts);
        MediaFiles(counts, records);
        ASSERT_TRUE(registry.OnMove());
        EXPECT_EQ(fileSystem.Content(kCountsFile), "0\r\n-1\r\n");
        EXPECT_EQ(fileSystem.WrittenFiles().back(), kCountsFile);
        EXPECT_EQ(fileSystem.Content(kProgramsFile), records);
    }
    EXPECT_EQ(fileSystem.WrittenFiles().size(), 2u);
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(SuiteRegistryTest, UnreadableRecordsAreReportedAndNeverOverwritten) {
    StartOnStick();
    Install(kStickStart, "Orbilo");
    MediaFiles("0\r\n-1\r\n", Record("Tazro", "/media/ann/STICK/Tazro/"));
    fileSystem.FailOn("ReadFile");

    ASSERT_TRUE(registry.OnMove());
    ASSERT_EQ(ui.views.size(), 1u);
    EXPECT_TRUE(IsBugReport(ui.views[0].text, "OnMove"));
    EXPECT_EQ(ctx.location.ProgramFolder, kStickStart);
    EXPECT_TRUE(fileSystem.WrittenFiles().empty());
}

// ---- Fixed disk ---------------------------------------------------------------------------

class OnRestTest : public SuiteRegistryTest {
  protected:
    void Slot(int slot, const std::string& name, const std::string& folder) {
        Stored("GuruNaam", kSlot[slot]) = name;
        Stored("GuruGhar", kSlot[slot]) = folder;
    }
    std::string SlotName(int slot) const { return Value("GuruNaam", slot); }
    std::string SlotFolder(int slot) const { return Value("GuruGhar", slot); }
    std::string Value(const char* section, int slot) const {
        const auto it = store.values.find({"RavuVod", section, kSlot[slot]});
        return it == store.values.end() ? "<absent>" : it->second;
    }
    std::string LastSlotValue() const {
        const auto it = store.values.find({"RavuVod", "NidraGavir", "AnekGuru"});
        return it == store.values.end() ? "<absent>" : it->second;
    }
    // Starts and, as the entry routine does after the settings, updates the registry.
    bool StartAndUpdate() {
        const bool goOn = registry.OnRest();
        if (goOn) registry.OnRestUpdate();
        return goOn;
    }
};

TEST_F(OnRestTest, TheFirstProgramOfTheSuiteTakesSlotZero) {
    StartOnDisk();
    Install(kDiskStart, "Orbilo");
    clock.day = 4;

    ASSERT_TRUE(registry.OnRest());
    EXPECT_TRUE(ctx.suite.ownSlotMissing);
    EXPECT_FALSE(ctx.suite.slotsNeedRewrite);
    EXPECT_TRUE(store.values.empty());  // nothing is written before the settings step
    registry.OnRestUpdate();
    EXPECT_EQ(LastSlotValue(), "448107");  // code 4817, day 04
    EXPECT_EQ(SlotName(0), "Orbilo");
    EXPECT_EQ(SlotFolder(0), kDiskStart);
    EXPECT_EQ(ctx.location.ProgramFolder, kDiskStart);
    EXPECT_EQ(ctx.siblings.SiblingLast, -1);
}

TEST_F(OnRestTest, ANewLauncherTakesTheSlotAfterTwoSiblings) {
    StartOnDisk();
    Install(kDiskStart, "Orbilo");
    Install("/opt/tazro/", "Tazro");
    Install("/opt/pelwin/", "Pelwin");
    Slot(0, "Tazro", "/opt/tazro/");
    Slot(1, "Pelwin", "/opt/pelwin/");
    Stored("NidraGavir", "AnekGuru") = EncodeAnekGuru(1, 15);
    clock.day = 23;

    ASSERT_TRUE(StartAndUpdate());
    EXPECT_EQ(ctx.siblings.SiblingNames, (std::vector<std::string>{"Tazro", "Pelwin"}));
    EXPECT_EQ(ctx.siblings.SiblingPaths,
              (std::vector<std::string>{"/opt/tazro/Tazro.bin", "/opt/pelwin/Pelwin.bin"}));
    EXPECT_EQ(LastSlotValue(), "733624");  // code 7364 of slot 2, day 23
    EXPECT_EQ(SlotName(2), "Orbilo");
    EXPECT_EQ(SlotFolder(2), kDiskStart);
    EXPECT_EQ(SlotName(0), "Tazro");
    EXPECT_EQ(SlotName(1), "Pelwin");
}

TEST_F(OnRestTest, ARegisteredLauncherWritesNothing) {
    // Started with another working folder: the recorded folder holds the executable.
    StartOnDisk("/home/ann/");
    Install(kDiskStart, "Orbilo");
    Install("/opt/tazro/", "Tazro");
    Slot(0, "Tazro", "/opt/tazro/");
    Slot(1, "Orbilo", kDiskStart);
    Stored("NidraGavir", "AnekGuru") = EncodeAnekGuru(1, 2);
    const auto before = store.values;

    ASSERT_TRUE(StartAndUpdate());
    EXPECT_EQ(ctx.location.ProgramFolder, kDiskStart);
    EXPECT_FALSE(ctx.suite.ownSlotMissing);
    EXPECT_FALSE(ctx.suite.slotsNeedRewrite);
    EXPECT_EQ(store.values, before);
}

TEST_F(OnRestTest, ADeletedSiblingInSlotZeroIsRewrittenAway) {
    StartOnDisk();
    Install(kDiskStart, "Orbilo");
    Install("/opt/pelwin/", "Pelwin");
    Slot(0, "Tazro", "/opt/tazro/");  // deleted from disk
    Slot(1, "Pelwin", "/opt/pelwin/");
    Slot(2, "Orbilo", kDiskStart);
    Slot(4, "Beyond", "/opt/beyond/");  // above the last used slot: not the launcher's to touch
    Stored("NidraGavir", "AnekGuru") = EncodeAnekGuru(2, 11);
    clock.day = 30;

    ASSERT_TRUE(registry.OnRest());
    EXPECT_FALSE(ctx.suite.ownSlotMissing);
    EXPECT_TRUE(ctx.suite.slotsNeedRewrite);
    registry.OnRestUpdate();
    EXPECT_EQ(DecodeAnekGuru(LastSlotValue()), 1);
    EXPECT_EQ(LastSlotValue().substr(4, 1) + LastSlotValue().substr(1, 1), "30");
    EXPECT_EQ(SlotName(0), "Pelwin");
    EXPECT_EQ(SlotFolder(0), "/opt/pelwin/");
    EXPECT_EQ(SlotName(1), "Orbilo");
    EXPECT_EQ(SlotFolder(1), kDiskStart);
    EXPECT_EQ(SlotName(2), "<absent>");
    EXPECT_EQ(SlotFolder(2), "<absent>");
    EXPECT_EQ(SlotName(4), "Beyond");
}

TEST_F(OnRestTest, AMovedLauncherOrADuplicateSlotIsRewrittenWithoutLosingTheSibling) {
    struct Case {
        const char* what;
        std::vector<std::string> ownFolders;  // the launcher's slots, around Tazro's
    };
    const Case cases[] = {
        {"moved away", {"/home/ann/old/"}},
        {"recorded twice", {kDiskStart, "/home/ann/older/"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        store.values.clear();
        StartOnDisk();
        Install(kDiskStart, "Orbilo");
        Install("/opt/tazro/", "Tazro");
        Slot(0, "Orbilo", c.ownFolders[0]);
        Slot(1, "Tazro", "/opt/tazro/");
        if (c.ownFolders.size() > 1) Slot(2, "Orbilo", c.ownFolders[1]);
        Stored("NidraGavir", "AnekGuru") = EncodeAnekGuru(static_cast<int>(c.ownFolders.size()), 1);

        ASSERT_TRUE(StartAndUpdate());
        EXPECT_EQ(ctx.location.ProgramFolder, kDiskStart);
        EXPECT_EQ(DecodeAnekGuru(LastSlotValue()), 1);
        EXPECT_EQ(SlotName(0), "Tazro");
        EXPECT_EQ(SlotFolder(0), "/opt/tazro/");
        EXPECT_EQ(SlotName(1), "Orbilo");
        EXPECT_EQ(SlotFolder(1), kDiskStart);
        EXPECT_EQ(SlotName(2), "<absent>");
    }
}

TEST_F(OnRestTest, AnUnknownCodeReadsOnlySlotZero) {
    StartOnDisk();
    Install(kDiskStart, "Orbilo");
    Install("/opt/tazro/", "Tazro");
    Install("/opt/pelwin/", "Pelwin");
    Slot(0, "Tazro", "/opt/tazro/");
    Slot(1, "Pelwin", "/opt/pelwin/");
    Stored("NidraGavir", "AnekGuru") = "999999";

    ASSERT_TRUE(registry.OnRest());
    EXPECT_EQ(ctx.siblings.SiblingNames, std::vector<std::string>{"Tazro"});
    EXPECT_EQ(ctx.suite.lastSlot, 0);
}

TEST_F(OnRestTest, WithoutItsExecutableTheLauncherStopsAndWritesNothing) {
    StartOnDisk();
    Slot(0, "Orbilo", "/home/ann/old/");
    Stored("NidraGavir", "AnekGuru") = EncodeAnekGuru(0, 1);
    const auto before = store.values;

    EXPECT_FALSE(StartAndUpdate());
    EXPECT_TRUE(ctx.suite.PathNotFound);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{StartupText(kMessageMyPathNotFound)});
    EXPECT_TRUE(ctx.endRequested);
    registry.OnRestUpdate();
    EXPECT_EQ(store.values, before);
}

TEST_F(OnRestTest, TenSiblingsLeaveTheLauncherUnregistered) {
    StartOnDisk();
    Install(kDiskStart, "Orbilo");
    for (int slot = 0; slot < 10; ++slot) {
        const std::string name = std::string("P") + char('0' + slot);
        const std::string folder = "/opt/" + name + "/";
        Install(folder, name);
        Slot(slot, name, folder);
    }
    Stored("NidraGavir", "AnekGuru") = EncodeAnekGuru(9, 1);
    const auto before = store.values;

    ASSERT_TRUE(StartAndUpdate());
    EXPECT_EQ(ctx.siblings.SiblingLast, 9);
    EXPECT_EQ(ctx.location.ProgramFolder, kDiskStart);
    EXPECT_EQ(store.values, before);
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(OnRestTest, TheHelpIsFoundBesideTheLauncherOrThroughItsRecordedPath) {
    StartOnDisk();
    Install(kDiskStart, "Orbilo");
    Slot(0, "Orbilo", kDiskStart);
    Stored("NidraGavir", "AnekGuru") = EncodeAnekGuru(0, 1);

    ASSERT_TRUE(registry.OnRest());
    EXPECT_FALSE(ctx.suite.HelpFound);

    Stored("GuruBachan", "OrbiloHelp") = "/opt/help/OrbiloHelp.bin";  // recorded, but not there
    ASSERT_TRUE(registry.OnRest());
    EXPECT_FALSE(ctx.suite.HelpFound);

    Install("/opt/help/", "OrbiloHelp");
    ASSERT_TRUE(registry.OnRest());
    EXPECT_TRUE(ctx.suite.HelpFound);
    EXPECT_EQ(ctx.suite.HelpExePath, "/opt/help/OrbiloHelp.bin");

    Install(std::string(kDiskStart) + "Help/", "OrbiloHelp");
    ASSERT_TRUE(registry.OnRest());
    EXPECT_EQ(ctx.suite.HelpExePath, "/home/ann/apps/Orbilo/Help/OrbiloHelp.bin");
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(OnRestTest, AStoreThatCannotBeReadIsReportedAndNotWrittenOver) {
    StartOnDisk();
    Install(kDiskStart, "Orbilo");
    Slot(0, "Tazro", "/opt/tazro/");
    Stored("NidraGavir", "AnekGuru") = EncodeAnekGuru(0, 1);
    store.FailOn("GetSetting");
    const auto before = store.values;

    ASSERT_TRUE(StartAndUpdate());
    EXPECT_EQ(ctx.location.ProgramFolder, kDiskStart);
    ASSERT_EQ(ui.views.size(), 2u);
    EXPECT_TRUE(IsBugReport(ui.views[0].text, "OnRest"));
    EXPECT_TRUE(IsBugReport(ui.views[1].text, "OnRestFindBachan"));
    EXPECT_EQ(store.values, before);
}

TEST_F(OnRestTest, AFailedUpdateIsReported) {
    StartOnDisk();
    Install(kDiskStart, "Orbilo");
    store.FailOn("SaveSetting");

    ASSERT_TRUE(StartAndUpdate());
    ASSERT_EQ(ui.views.size(), 1u);
    EXPECT_TRUE(IsBugReport(ui.views[0].text, "OnRestResetGhar"));
}

}  // namespace
}  // namespace orbilo::test
