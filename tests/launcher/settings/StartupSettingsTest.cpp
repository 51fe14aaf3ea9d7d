// The user's name and picture at start: from the per-user store on a fixed disk, and on a stick
// from the media, where the first start carries this computer's settings onto it.
#include <string>

#include "SettingsFixture.h"
#include "settings/MediaSettings.h"
#include "settings/PerUserSettings.h"
#include "settings/StartupSettings.h"

namespace orbilo::test {
namespace {

class StartupSettingsTest : public SettingsFixture {
  protected:
    void StoreUser(const std::string& name, const std::string& picture = "",
                   const std::string& caption = "") {
        store.values[{"RavuVod", "NidraBhanga", "NickName"}] = name;
        if (!picture.empty()) store.values[{"RavuVod", "NidraBhanga", "UserPic"}] = picture;
        if (!caption.empty()) store.values[{"RavuVod", "NidraBhanga", "PicCaption"}] = caption;
    }

    void ExpectNoPicture() const {
        EXPECT_EQ(ctx.user.UserPic, "");
        EXPECT_EQ(ctx.user.PicCaption, "");
        EXPECT_EQ(ctx.user.UserPicFileName, "");
        EXPECT_EQ(ctx.user.UserPicFolder, "");
    }

    StartupSettings startupSettings{ctx, fileSystem, store, messages};
};

const char kMediaSettings[] = "/media/ann/STICK/Orbilo/MediaSet.Korrin";
const char kPictureRecord[] = "/media/ann/STICK/Korrin/JapaBatsa.Korrin";

TEST_F(StartupSettingsTest, FixedDiskTakesNameAndPictureFromTheStore) {
    fileSystem.AddFile("/home/ann/Pictures/me.png", "PNG");
    StoreUser("Ann", "/home/ann/Pictures/me.png", "At the lake");
    EXPECT_FALSE(startupSettings.OnRestSettingsRead());
    EXPECT_FALSE(ctx.FirstStart);
    EXPECT_EQ(ctx.user.NickName, "Ann");
    EXPECT_EQ(ctx.user.UserPic, "/home/ann/Pictures/me.png");
    EXPECT_EQ(ctx.user.PicCaption, "At the lake");
    EXPECT_EQ(ctx.user.UserPicFileName, "me.png");
    EXPECT_EQ(ctx.user.UserPicFolder, "/home/ann/Pictures/");
    EXPECT_TRUE(fileSystem.HasFolder("/home/ann/apps/Orbilo"));
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(StartupSettingsTest, FixedDiskFirstStartIsANameNeverStored) {
    fileSystem.AddFolder("/home/ann/apps/Orbilo");
    EXPECT_TRUE(startupSettings.OnRestSettingsRead());
    EXPECT_TRUE(ctx.FirstStart);
    // The data folder was there already.
    EXPECT_TRUE(fileSystem.CreatedFolders().empty());
}

TEST_F(StartupSettingsTest, APictureThatIsGoneGivesNoPictureAndNoCaption) {
    StoreUser("Ann", "/home/ann/Pictures/gone.png", "At the lake");
    startupSettings.OnRestSettingsRead();
    ExpectNoPicture();
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(StartupSettingsTest, AStoreThatFailsIsReportedAndLeavesNoName) {
    store.FailOn("GetSetting");
    PerUserSettings perUser(ctx, store, fileSystem, messages);
    ctx.user.NickName = "stale";
    EXPECT_EQ(perUser.ProgSettingGet(), "");
    EXPECT_TRUE(OnlyBugReport("ProgSettingGet"));
    ui.views.clear();
    EXPECT_EQ(perUser.ProgUserPicGet(), "");
    EXPECT_TRUE(OnlyBugReport("ProgUserPicGet"));
}

TEST_F(StartupSettingsTest, AStickSetUpForAnnGreetsAnnWhereTheStoreSaysBob) {
    UseStick();
    fileSystem.AddFile("/home/ann/Pictures/me.png", "PNG");
    StoreUser("Ann", "/home/ann/Pictures/me.png", "At the lake");
    EXPECT_FALSE(startupSettings.OnMoveSettingsRead());
    EXPECT_TRUE(ctx.FirstStart);
    EXPECT_EQ(fileSystem.Content(kMediaSettings), "\"Important - Do Not Edit.\"\r\n\"Nick Name - Ann\"\r\n");
    EXPECT_EQ(fileSystem.Content("/media/ann/STICK/Korrin/me.png"), "PNG");
    EXPECT_EQ(fileSystem.Content(kPictureRecord), "\"At the lake\"\r\n\"me.png\"\r\n");
    EXPECT_TRUE(fileSystem.HasFolder("/media/ann/STICK/Orbilo"));
    EXPECT_TRUE(fileSystem.HasFolder("/media/ann/STICK/Korrin"));
    EXPECT_TRUE(ui.views.empty());

    // Another computer: its own user is Bob, with no picture.
    Context elsewhere;
    elsewhere.app = ctx.app;
    elsewhere.location = ctx.location;
    elsewhere.files = ctx.files;
    FakeSettingsStore bobsStore;
    bobsStore.values[{"RavuVod", "NidraBhanga", "NickName"}] = "Bob";
    Messages bobsMessages(elsewhere, bobsStore, shell, ui);
    StartupSettings onBobsComputer(elsewhere, fileSystem, bobsStore, bobsMessages);
    EXPECT_FALSE(onBobsComputer.OnMoveSettingsRead());
    EXPECT_FALSE(elsewhere.FirstStart);
    EXPECT_EQ(elsewhere.user.NickName, "Ann");
    EXPECT_EQ(elsewhere.user.UserPic, "/media/ann/STICK/Korrin/me.png");
    EXPECT_EQ(elsewhere.user.PicCaption, "At the lake");
    EXPECT_EQ(elsewhere.user.UserPicFolder, "/media/ann/STICK/Korrin/");
    // The media keeps Ann's name.
    EXPECT_EQ(fileSystem.Content(kMediaSettings), "\"Important - Do Not Edit.\"\r\n\"Nick Name - Ann\"\r\n");
}

TEST_F(StartupSettingsTest, ANameWithQuotesAndCommasTravelsWhole) {
    UseStick();
    StoreUser("Ann \"Jo\", the 2nd");
    EXPECT_FALSE(startupSettings.OnMoveSettingsRead());
    ctx.user = UserSettings{};
    MediaSettings media(ctx, fileSystem, messages);
    media.MediaSettingGet();
    EXPECT_EQ(ctx.user.NickName, "Ann \"Jo\", the 2nd");
}

TEST_F(StartupSettingsTest, AMediaSettingsFileThatCannotBeCreatedStopsTheStart) {
    UseStick();
    StoreUser("Ann");
    fileSystem.FailOn("WriteFile");
    EXPECT_TRUE(startupSettings.OnMoveSettingsRead());
    EXPECT_TRUE(OnlyBugReport("MediaSettingCreate"));
}

TEST_F(StartupSettingsTest, ADamagedMediaSettingsFileGivesNoNameAndStaysAsItIs) {
    const struct {
        const char* name;
        std::string content;
    } cases[] = {
        {"other first line", "\"Important - Edit.\"\r\n\"Nick Name - Ann\"\r\n"},
        {"second line without its prefix", "\"Important - Do Not Edit.\"\r\n\"Name - Ann\"\r\n"},
        {"second line too short", "\"Important - Do Not Edit.\"\r\n\"Nick Name\"\r\n"},
        {"one line only", "\"Important - Do Not Edit.\"\r\n"},
        {"empty", ""},
        {"unterminated quote", "\"Important - Do Not Edit.\"\r\n\"Nick Name - Ann\r\n"},
        {"binary", std::string("\x00\x01\xfe\"\"\"\r", 7)},
    };
    UseStick();
    StoreUser("Bob");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fileSystem.AddFile(kMediaSettings, c.content);
        ctx.user.NickName = "stale";
        EXPECT_FALSE(startupSettings.OnMoveSettingsRead());
        EXPECT_FALSE(ctx.FirstStart);
        EXPECT_EQ(ctx.user.NickName, "");
        EXPECT_EQ(fileSystem.Content(kMediaSettings), c.content);
    }
    EXPECT_TRUE(fileSystem.WrittenFiles().empty());
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(StartupSettingsTest, APictureRecordWithoutItsCopyOrPointingOutsideGivesNoPicture) {
    UseStick();
    fileSystem.AddFile(kMediaSettings, "\"Important - Do Not Edit.\"\r\n\"Nick Name - Ann\"\r\n");
    fileSystem.AddFile("/media/ann/STICK/secret.png", "PNG");
    for (const char* record : {"\"Me\"\r\n\"me.png\"\r\n", "\"Me\"\r\n\"../secret.png\"\r\n", "\"Me\"\r\n"}) {
        SCOPED_TRACE(record);
        fileSystem.AddFile(kPictureRecord, record);
        EXPECT_FALSE(startupSettings.OnMoveSettingsRead());
        EXPECT_EQ(ctx.user.NickName, "Ann");
        ExpectNoPicture();
    }
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(StartupSettingsTest, APictureThatCannotBeCopiedIsReportedAndTheStartGoesOn) {
    UseStick();
    fileSystem.AddFile("/home/ann/Pictures/me.png", "PNG");
    StoreUser("Ann", "/home/ann/Pictures/me.png", "At the lake");
    fileSystem.FailOn("CopyFile");
    EXPECT_FALSE(startupSettings.OnMoveSettingsRead());
    EXPECT_TRUE(OnlyBugReport("MediaUserPicCreate"));
    EXPECT_EQ(fileSystem.Content(kMediaSettings), "\"Important - Do Not Edit.\"\r\n\"Nick Name - Ann\"\r\n");
}

}  // namespace
}  // namespace orbilo::test
