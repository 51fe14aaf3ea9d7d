// The list files across sessions: what each mode writes byte for byte, what the next start
// loads back, and that damaged or unreadable input never costs the user an item.
#include "launchlist/LaunchListStore.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "FakeFileSystem.h"
#include "format/LineFormat.h"

namespace orbilo::test {
namespace {

const std::string kDataFolder = "/data/Orbilo/";

std::string DataFile(const std::string& name) {
    return kDataFolder + name + ".Korrin";
}

struct Item {
    std::string name;
    std::string path;
};

// The expected bytes of a list file, spelled out by hand.
std::string Lines(std::initializer_list<Item> items) {
    std::string content;
    for (const Item& item : items) content += "\"" + item.name + "\",\"" + item.path + "\"\r\n";
    return content;
}

std::vector<std::string> Names(const LaunchGroup& group) {
    return group.names;
}
std::vector<std::string> Paths(const LaunchGroup& group) {
    return group.paths;
}

struct Mode {
    bool removable = false;
    std::string media = "/";
    bool home = false;
};

const Mode kFixed{};

Context MakeContext(const Mode& mode, const SettingsFileState& settings) {
    Context ctx;
    ctx.location.RemovableMode = mode.removable;
    ctx.location.MediaDriveLetter = mode.media;
    ctx.home.HomeMachine = mode.home;
    ctx.settingsFile = settings;
    ctx.files.listProg = DataFile("ListProg");
    ctx.files.listFile = DataFile("ListFile");
    ctx.files.listFold = DataFile("ListFold");
    ctx.files.listWeb = DataFile("ListWeb");
    if (mode.removable) {
        ctx.files.machineProg = DataFile("MachineProg");
        ctx.files.machineFile = DataFile("MachineFile");
        ctx.files.machineFold = DataFile("MachineFold");
    }
    return ctx;
}

// One run of the launcher: loads at construction, saves on Exit the way the main window's
// closing does, with the settings file written between the two steps.
struct Session {
    Session(FakeFileSystem& fileSystem, const Mode& mode, const SettingsFileState& settings)
        : ctx(MakeContext(mode, settings)), store(ctx, fileSystem) {
        store.Load();
    }
    LaunchGroup& operator[](Group group) { return ctx.launchList[group]; }
    SettingsFileState Exit() {
        store.SaveCounts(1440, 2880);
        const SettingsFileState written = ctx.settingsFile;
        store.WriteListFiles();
        return written;
    }

    Context ctx;
    LaunchListStore store;
};

SettingsFileState GoodSettings() {
    SettingsFileState settings;
    settings.readWhole = true;
    return settings;
}

class LaunchListStoreTest : public testing::Test {
  protected:
    void AddProgram(const std::string& path) { fileSystem.AddFile(path, "binary"); }

    FakeFileSystem fileSystem;
};

TEST_F(LaunchListStoreTest, FixedDiskProgramsComeBackInOrderAsExactlyThreeLines) {
    for (const char* path : {"/opt/tools/edit", "/usr/bin/gimp", "/opt/calc/calc"}) AddProgram(path);
    fileSystem.AddFolder("/home/ann/Documents");
    SettingsFileState settings = GoodSettings();
    {
        Session first(fileSystem, kFixed, settings);
        EXPECT_TRUE(first.ctx.launchList.AllEmpty());
        first[Group::Program].Append("Editor", "/opt/tools/edit");
        first[Group::Program].Append("Gimp", "/usr/bin/gimp");
        first[Group::Program].Append("Calc", "/opt/calc/calc");
        first[Group::Folder].Append("Docs", "/home/ann/Documents");
        first[Group::Web].Append("News", "https://news.example.org/");
        settings = first.Exit();
    }
    EXPECT_EQ(fileSystem.Content(DataFile("ListProg")),
              Lines({{"Editor", "/opt/tools/edit"}, {"Gimp", "/usr/bin/gimp"}, {"Calc", "/opt/calc/calc"}}));
    EXPECT_EQ(fileSystem.Content(DataFile("ListFold")), Lines({{"Docs", "/home/ann/Documents"}}));
    EXPECT_EQ(fileSystem.Content(DataFile("ListWeb")), Lines({{"News", "https://news.example.org/"}}));
    EXPECT_FALSE(fileSystem.HasFile(DataFile("ListFile")));  // an empty group writes nothing
    EXPECT_EQ(settings.ListProgLast, 2);
    EXPECT_EQ(settings.ListFoldLast, 0);
    EXPECT_EQ(settings.ListFileLast, -1);
    EXPECT_EQ(settings.ListWebLast, 0);
    EXPECT_EQ(settings.Top, 1440);
    EXPECT_EQ(settings.Left, 2880);

    Session second(fileSystem, kFixed, settings);
    EXPECT_EQ(Names(second[Group::Program]), (std::vector<std::string>{"Editor", "Gimp", "Calc"}));
    EXPECT_EQ(Paths(second[Group::Program]),
              (std::vector<std::string>{"/opt/tools/edit", "/usr/bin/gimp", "/opt/calc/calc"}));
    EXPECT_EQ(Names(second[Group::Folder]), std::vector<std::string>{"Docs"});
    EXPECT_EQ(Paths(second[Group::Web]), std::vector<std::string>{"https://news.example.org/"});
}

TEST_F(LaunchListStoreTest, WebItemsLoadWithoutAnyExistenceTest) {
    fileSystem.AddFile(DataFile("ListWeb"),
                       Lines({{"Site", "https://nowhere.invalid/"}, {"Odd", "not a url"}}));
    SettingsFileState settings = GoodSettings();
    settings.ListWebLast = 1;
    Session session(fileSystem, kFixed, settings);
    EXPECT_EQ(Paths(session[Group::Web]),
              (std::vector<std::string>{"https://nowhere.invalid/", "not a url"}));
}

struct MediaCase {
    const char* what;
    std::string media;
    std::string laterMedia;
    std::string path;         // on the medium while it has `media`
    std::string stored;       // as ListProg keeps it
    std::string laterPath;    // the same file once the medium has `laterMedia`
    std::string machinePath;  // a path of the home machine's own disks
};

const MediaCase kMediaCases[] = {
    {"Linux mount point", "/media/ann/STICK", "/run/media/bob/KEY", "/media/ann/STICK/Apps/tool",
     "#/Apps/tool", "/run/media/bob/KEY/Apps/tool", "/opt/tools/edit"},
    {"Windows drive letter", "E", "F", "E:\\Apps\\tool.exe", "#:\\Apps\\tool.exe", "F:\\Apps\\tool.exe",
     "C:\\Tools\\edit.exe"},
};

TEST_F(LaunchListStoreTest, OnMediaItemIsStoredWithHashAndFoundUnderAnotherDrive) {
    for (const MediaCase& c : kMediaCases) {
        SCOPED_TRACE(c.what);
        FakeFileSystem media;
        SettingsFileState settings = GoodSettings();
        {
            media.AddFile(c.path);
            Session first(media, {true, c.media, false}, settings);
            first[Group::Program].Append("Tool", c.path);
            settings = first.Exit();
        }
        EXPECT_EQ(media.Content(DataFile("ListProg")), Lines({{"Tool", c.stored}}));
        EXPECT_EQ(settings.ListProgLast, 0);

        media.AddFile(c.laterPath);
        Session later(media, {true, c.laterMedia, false}, settings);
        EXPECT_EQ(Paths(later[Group::Program]), std::vector<std::string>{c.laterPath});
    }
}

TEST_F(LaunchListStoreTest, HomeMachineKeepsItsItemsApartAndAfterTheMediaItems) {
    for (const MediaCase& c : kMediaCases) {
        SCOPED_TRACE(c.what);
        FakeFileSystem media;
        const std::string second = c.path + "2";
        for (const std::string& path : {c.path, second, c.machinePath}) media.AddFile(path);
        const Mode home{true, c.media, true};
        SettingsFileState settings = GoodSettings();
        {
            Session first(media, home, settings);
            first[Group::Program].Append("One", c.path);
            first[Group::Program].Append("Mine", c.machinePath);
            first[Group::Program].Append("Two", second);
            settings = first.Exit();
        }
        EXPECT_EQ(media.Content(DataFile("ListProg")), Lines({{"One", c.stored}, {"Two", c.stored + "2"}}));
        EXPECT_EQ(media.Content(DataFile("MachineProg")), Lines({{"Mine", c.machinePath}}));
        EXPECT_EQ(settings.ListProgLast, 1);
        EXPECT_EQ(settings.MachineProgLast, 0);

        Session again(media, home, settings);
        EXPECT_EQ(Names(again[Group::Program]), (std::vector<std::string>{"One", "Two", "Mine"}));
        EXPECT_EQ(Paths(again[Group::Program]), (std::vector<std::string>{c.path, second, c.machinePath}));
    }
}

TEST_F(LaunchListStoreTest, AnotherComputerLeavesTheHomeMachinesItemsForItsReturn) {
    for (const MediaCase& c : kMediaCases) {
        SCOPED_TRACE(c.what);
        FakeFileSystem media;
        const std::string added = c.path + "2";
        for (const std::string& path : {c.path, added, c.machinePath}) media.AddFile(path);
        const std::string machineLines = Lines({{"Mine", c.machinePath}});
        media.AddFile(DataFile("ListProg"), Lines({{"Tool", c.stored}}));
        media.AddFile(DataFile("MachineProg"), machineLines);
        SettingsFileState settings = GoodSettings();
        settings.ListProgLast = 0;
        settings.MachineProgLast = 0;
        {
            Session elsewhere(media, {true, c.media, false}, settings);
            EXPECT_EQ(Names(elsewhere[Group::Program]), std::vector<std::string>{"Tool"});
            elsewhere[Group::Program].Append("Added", added);
            settings = elsewhere.Exit();
        }
        EXPECT_EQ(media.Content(DataFile("MachineProg")), machineLines);
        EXPECT_EQ(settings.MachineProgLast, 0);
        EXPECT_EQ(settings.ListProgLast, 1);

        Session home(media, {true, c.media, true}, settings);
        EXPECT_EQ(Names(home[Group::Program]), (std::vector<std::string>{"Tool", "Added", "Mine"}));
    }
}

TEST_F(LaunchListStoreTest, PathsOffTheMediumExactlyAreMachineItems) {
    const struct {
        const char* what;
        std::string media;
        std::string path;
    } rows[] = {
        {"lower-case media letter", "E", "e:\\Apps\\tool.exe"},
        {"neighbouring mount point", "/media/ann/STICK", "/media/ann/STICKY/tool"},
        {"outside the mount", "/media/ann/STICK", "/home/ann/bin/tool"},
        {"mount point in other capitals", "/media/ann/STICK", "/media/ann/stick/tool"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        FakeFileSystem media;
        media.AddFile(row.path);
        Session session(media, {true, row.media, true}, GoodSettings());
        session[Group::Program].Append("Tool", row.path);
        const SettingsFileState settings = session.Exit();
        EXPECT_EQ(settings.ListProgLast, -1);
        EXPECT_EQ(settings.MachineProgLast, 0);
        EXPECT_FALSE(media.HasFile(DataFile("ListProg")));
        EXPECT_EQ(media.Content(DataFile("MachineProg")), Lines({{"Tool", row.path}}));
    }
}

TEST_F(LaunchListStoreTest, DeletedFileDisappearsAtLoadAndFromTheFileAtSave) {
    AddProgram("/home/ann/a.txt");
    AddProgram("/home/ann/c.txt");
    fileSystem.AddFile(
        DataFile("ListFile"),
        Lines({{"A", "/home/ann/a.txt"}, {"Gone", "/home/ann/b.txt"}, {"C", "/home/ann/c.txt"}}));
    fileSystem.AddFile(DataFile("ListFold"), Lines({{"Old", "/home/ann/Removed"}}));
    SettingsFileState settings = GoodSettings();
    settings.ListFileLast = 2;
    settings.ListFoldLast = 0;

    Session session(fileSystem, kFixed, settings);
    EXPECT_EQ(Names(session[Group::File]), (std::vector<std::string>{"A", "C"}));
    EXPECT_TRUE(session[Group::Folder].Empty());
    settings = session.Exit();
    EXPECT_EQ(fileSystem.Content(DataFile("ListFile")),
              Lines({{"A", "/home/ann/a.txt"}, {"C", "/home/ann/c.txt"}}));
    EXPECT_EQ(settings.ListFileLast, 1);
    EXPECT_EQ(settings.ListFoldLast, -1);
}

TEST_F(LaunchListStoreTest, RemovingTheLastItemLeavesTheOldFileButStoresMinusOne) {
    AddProgram("/opt/tools/edit");
    const std::string old = Lines({{"Editor", "/opt/tools/edit"}});
    fileSystem.AddFile(DataFile("ListProg"), old);
    SettingsFileState settings = GoodSettings();
    settings.ListProgLast = 0;
    {
        Session session(fileSystem, kFixed, settings);
        ASSERT_TRUE(session[Group::Program].Remove(0));
        settings = session.Exit();
    }
    EXPECT_EQ(fileSystem.Content(DataFile("ListProg")), old);
    EXPECT_TRUE(fileSystem.WrittenFiles().empty());
    EXPECT_EQ(settings.ListProgLast, -1);
    Session next(fileSystem, kFixed, settings);
    EXPECT_TRUE(next[Group::Program].Empty());
}

TEST_F(LaunchListStoreTest, DoubleQuotesInNamesAndAddressesRoundTrip) {
    SettingsFileState settings = GoodSettings();
    {
        Session session(fileSystem, kFixed, settings);
        session[Group::Web].Append("Say \"Hi\"", "https://example.org/?q=\"a,b\"");
        settings = session.Exit();
    }
    const std::string bytes = "\"Say \"\"Hi\"\"\",\"https://example.org/?q=\"\"a,b\"\"\"\r\n";
    EXPECT_EQ(fileSystem.Content(DataFile("ListWeb")), bytes);
    // The same bytes as every other data file's writer gives.
    EXPECT_EQ(FormatLine({"Say \"Hi\"", "https://example.org/?q=\"a,b\""}), bytes);
    Session next(fileSystem, kFixed, settings);
    EXPECT_EQ(Names(next[Group::Web]), std::vector<std::string>{"Say \"Hi\""});
    EXPECT_EQ(Paths(next[Group::Web]), std::vector<std::string>{"https://example.org/?q=\"a,b\""});
}

TEST_F(LaunchListStoreTest, OnlyAsManyLinesAsTheCountAreRead) {
    AddProgram("/p/a");
    AddProgram("/p/b");
    fileSystem.AddFile(DataFile("ListProg"), Lines({{"A", "/p/a"}, {"B", "/p/b"}}));
    SettingsFileState settings = GoodSettings();
    settings.ListProgLast = 0;
    Session session(fileSystem, kFixed, settings);
    EXPECT_EQ(Names(session[Group::Program]), std::vector<std::string>{"A"});
}

// Damaged list files: the items before the damage load; saving the list unchanged loses
// nothing, neither those items nor the lines after the damage.
TEST_F(LaunchListStoreTest, DamagedInputKeepsItemsBeforeTheDamageAndLosesNothingOnSave) {
    const std::string good = Lines({{"A", "/p/a"}, {"B", "/p/b"}});
    const std::string tenMegabytes(10u * 1024u * 1024u, 'x');
    const char pictureBytes[] = "\x89PNG\r\n\x1a\n\0\0\"IHDR\0\xff";
    const struct {
        const char* what;
        std::string content;
        int count;
        std::vector<std::string> loaded;
        bool damaged;  // left on disk as it is; otherwise rewritten as `good` shows
    } rows[] = {
        {"missing quote",
         Lines({{"A", "/p/a"}}) + "\"B,\"/p/b\"\r\n" + Lines({{"C", "/p/c"}}),
         2,
         {"A"},
         true},
        {"unterminated last line", Lines({{"A", "/p/a"}}) + "\"B\",\"/p/b\"", 1, {"A", "B"}, false},
        {"LF instead of CR LF", "\"A\",\"/p/a\"\n\"B\",\"/p/b\"\n", 1, {"A", "B"}, false},
        {"binary garbage",
         Lines({{"A", "/p/a"}}) + std::string(pictureBytes, sizeof pictureBytes - 1),
         5,
         {"A"},
         true},
        {"a single 10 MB line",
         Lines({{"A", "/p/a"}}) + tenMegabytes + "\r\n" + Lines({{"B", "/p/b"}}),
         2,
         {"A"},
         true},
        {"fewer lines than the count", good, 9, {"A", "B"}, false},
        {"empty file", "", 3, {}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        FakeFileSystem files;
        for (const char* path : {"/p/a", "/p/b", "/p/c"}) files.AddFile(path);
        files.AddFile(DataFile("ListProg"), row.content);
        SettingsFileState settings = GoodSettings();
        settings.ListProgLast = row.count;
        {
            Session first(files, kFixed, settings);
            EXPECT_EQ(Names(first[Group::Program]), row.loaded);
            settings = first.Exit();
        }
        if (row.damaged) {
            EXPECT_EQ(files.Content(DataFile("ListProg")), row.content);
            EXPECT_EQ(settings.ListProgLast, row.count);
        } else if (!row.loaded.empty()) {
            EXPECT_EQ(files.Content(DataFile("ListProg")), good);
            EXPECT_EQ(settings.ListProgLast, 1);
        }
        Session second(files, kFixed, settings);
        EXPECT_EQ(Names(second[Group::Program]), row.loaded);
    }
}

TEST_F(LaunchListStoreTest, DamagedFileIsRewrittenOnceTheListChanges) {
    for (const char* path : {"/p/a", "/p/c", "/p/new"}) AddProgram(path);
    fileSystem.AddFile(DataFile("ListProg"), Lines({{"A", "/p/a"}}) + "\"B,\"/p/b\"\r\n");
    SettingsFileState settings = GoodSettings();
    settings.ListProgLast = 1;
    Session session(fileSystem, kFixed, settings);
    session[Group::Program].Append("New", "/p/new");
    settings = session.Exit();
    EXPECT_EQ(fileSystem.Content(DataFile("ListProg")), Lines({{"A", "/p/a"}, {"New", "/p/new"}}));
    EXPECT_EQ(settings.ListProgLast, 1);
}

TEST_F(LaunchListStoreTest, ListFileThatCannotBeReadKeepsItsContentAndCount) {
    AddProgram("/p/a");
    const std::string content = Lines({{"A", "/p/a"}});
    fileSystem.AddFile(DataFile("ListProg"), content);
    fileSystem.FailOn("ReadFile");
    SettingsFileState settings = GoodSettings();
    settings.ListProgLast = 0;
    Session session(fileSystem, kFixed, settings);
    EXPECT_TRUE(session[Group::Program].Empty());
    settings = session.Exit();
    EXPECT_EQ(fileSystem.Content(DataFile("ListProg")), content);
    EXPECT_EQ(settings.ListProgLast, 0);
}

TEST_F(LaunchListStoreTest, ExistenceTestThatFailsKeepsTheItem) {
    fileSystem.AddFile(DataFile("ListProg"), Lines({{"A", "/p/a"}}));
    fileSystem.FailOn("FileExists");
    SettingsFileState settings = GoodSettings();
    settings.ListProgLast = 0;
    Session session(fileSystem, kFixed, settings);
    EXPECT_EQ(Names(session[Group::Program]), std::vector<std::string>{"A"});
}

// Without a readable settings file the counts are unknown (-1). Starting every group empty
// would have the next exit replace the list files with whatever was added since.
TEST_F(LaunchListStoreTest, UnreadableSettingsFileStillLoadsEveryLine) {
    for (const char* path : {"/p/a", "/p/b", "/p/c"}) AddProgram(path);
    const std::string programs = Lines({{"A", "/p/a"}, {"B", "/p/b"}, {"C", "/p/c"}});
    const std::string sites = Lines({{"S1", "https://one.example/"}, {"S2", "https://two.example/"}});
    fileSystem.AddFile(DataFile("ListProg"), programs);
    fileSystem.AddFile(DataFile("ListWeb"), sites);
    SettingsFileState settings;  // the defaults: readWhole false, every count -1
    {
        Session session(fileSystem, kFixed, settings);
        EXPECT_EQ(Names(session[Group::Program]), (std::vector<std::string>{"A", "B", "C"}));
        EXPECT_EQ(Names(session[Group::Web]), (std::vector<std::string>{"S1", "S2"}));
        settings = session.Exit();
    }
    EXPECT_EQ(fileSystem.Content(DataFile("ListProg")), programs);
    EXPECT_EQ(fileSystem.Content(DataFile("ListWeb")), sites);
    EXPECT_EQ(settings.ListProgLast, 2);
    EXPECT_EQ(settings.ListWebLast, 1);
    settings.readWhole = true;
    Session next(fileSystem, kFixed, settings);
    EXPECT_EQ(next[Group::Program].Count(), 3);
}

TEST_F(LaunchListStoreTest, UnreadableSettingsFileOnRemovableMediaCountsTheHomeMachinesFile) {
    for (const char* path : {"/media/ann/STICK/a", "/opt/x", "/opt/y"}) AddProgram(path);
    fileSystem.AddFile(DataFile("ListProg"), Lines({{"A", "#/a"}}));
    fileSystem.AddFile(DataFile("MachineProg"), Lines({{"X", "/opt/x"}, {"Y", "/opt/y"}}));
    SettingsFileState settings;
    {
        Session elsewhere(fileSystem, {true, "/media/ann/STICK", false}, settings);
        EXPECT_EQ(Names(elsewhere[Group::Program]), std::vector<std::string>{"A"});
        settings = elsewhere.Exit();
    }
    EXPECT_EQ(settings.ListProgLast, 0);
    EXPECT_EQ(settings.MachineProgLast, 1);
    settings.readWhole = true;
    Session home(fileSystem, {true, "/media/ann/STICK", true}, settings);
    EXPECT_EQ(Names(home[Group::Program]), (std::vector<std::string>{"A", "X", "Y"}));
}

TEST_F(LaunchListStoreTest, UnreadableSettingsFileOnTheHomeMachineReadsBothFilesToTheirEnd) {
    for (const char* path : {"/media/ann/STICK/a", "/opt/x", "/opt/y"}) AddProgram(path);
    fileSystem.AddFile(DataFile("ListProg"), Lines({{"A", "#/a"}}));
    fileSystem.AddFile(DataFile("MachineProg"), Lines({{"X", "/opt/x"}, {"Y", "/opt/y"}}));
    Session home(fileSystem, {true, "/media/ann/STICK", true}, SettingsFileState{});
    EXPECT_EQ(Paths(home[Group::Program]),
              (std::vector<std::string>{"/media/ann/STICK/a", "/opt/x", "/opt/y"}));
}

TEST_F(LaunchListStoreTest, FailedWriteLeavesThePreviousFileWholeAndIsNotThrown) {
    AddProgram("/p/a");
    AddProgram("/p/b");
    const std::string previous = Lines({{"A", "/p/a"}});
    fileSystem.AddFile(DataFile("ListProg"), previous);
    SettingsFileState settings = GoodSettings();
    settings.ListProgLast = 0;
    Session session(fileSystem, kFixed, settings);
    session[Group::Program].Append("B", "/p/b");
    session[Group::Web].Append("S", "https://example.org/");
    fileSystem.FailOn("WriteFile");
    EXPECT_NO_THROW(session.Exit());
    EXPECT_EQ(fileSystem.Content(DataFile("ListProg")), previous);
    EXPECT_FALSE(fileSystem.HasFile(DataFile("ListWeb")));
}

TEST_F(LaunchListStoreTest, LoadingAgainReplacesRatherThanDuplicates) {
    AddProgram("/p/a");
    fileSystem.AddFile(DataFile("ListProg"), Lines({{"A", "/p/a"}}));
    SettingsFileState settings = GoodSettings();
    settings.ListProgLast = 0;
    Session session(fileSystem, kFixed, settings);
    session.store.Load();
    EXPECT_EQ(session[Group::Program].Count(), 1);
}

}  // namespace
}  // namespace orbilo::test
