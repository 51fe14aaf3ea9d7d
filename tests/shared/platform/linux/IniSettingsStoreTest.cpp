// The per-user settings store on its INI file: shared between store objects and processes,
// unknown data kept, damaged files harmless, failures reported.
#include "platform/linux/IniSettingsStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "TestFiles.h"
#include "services/ServiceError.h"
#include "support/TestEnvironment.h"

namespace orbilo::platform {
namespace {

namespace fs = std::filesystem;
using test::ReadText;
using test::WriteText;

class IniSettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { m_config = orbilo::test::MakeTempFolder("config"); }
    std::string m_config;
};

TEST_F(IniSettingsStoreTest, TheFileLivesUnderTheXdgConfigFolder) {
    const char* previous = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("XDG_CONFIG_HOME", m_config.c_str(), 1);
    IniSettingsStore store;
    store.SaveSetting("RavuVod", "NidraBhanga", "NickName", "Ann");
    setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    EXPECT_EQ(ReadText(m_config + "/RavuVod/RavuVod.ini"), "[NidraBhanga]\nNickName=Ann\n");
}

TEST_F(IniSettingsStoreTest, TwoStoresShareTheFileAndKeepWhatTheyDoNotKnow) {
    WriteText(m_config + "/RavuVod/RavuVod.ini", "[GuruBachan]\nOrbiloHelp=/opt/help.bin\n[Unknown]\nX=1\n");
    IniSettingsStore launcher(m_config);
    IniSettingsStore help(m_config);

    launcher.SaveSetting("RavuVod", "NidraBhanga", "NickName", "Ann \"the\" user\nsecond line\\");
    EXPECT_EQ(help.GetSetting("RavuVod", "NidraBhanga", "NickName"), "Ann \"the\" user\nsecond line\\");
    EXPECT_EQ(help.GetSetting("RavuVod", "GuruBachan", "OrbiloHelp"), "/opt/help.bin");
    EXPECT_EQ(help.GetSetting("RavuVod", "Unknown", "X"), "1");
    EXPECT_EQ(help.GetSetting("RavuVod", "NidraBhanga", "UserPic"), "");
    EXPECT_EQ(help.GetSetting("OtherApp", "NidraBhanga", "NickName"), "");

    help.DeleteSetting("RavuVod", "NidraBhanga", "NickName");
    help.DeleteSetting("RavuVod", "NidraBhanga", "NickName");  // absent: nothing to do
    help.DeleteSetting("NeverWritten", "S", "K");
    EXPECT_EQ(launcher.GetSetting("RavuVod", "NidraBhanga", "NickName"), "");
    EXPECT_EQ(launcher.GetSetting("RavuVod", "Unknown", "X"), "1");
    EXPECT_FALSE(fs::exists(m_config + "/NeverWritten"));
}

TEST_F(IniSettingsStoreTest, ConcurrentWritersLoseNoUpdate) {
    constexpr int kWrites = 25;
    const auto key = [](char writer, int i) { return std::to_string(i).insert(0, 1, writer); };
    const auto writer = [this, key](char name) {
        IniSettingsStore store(m_config);
        for (int i = 0; i < kWrites; ++i) store.SaveSetting("RavuVod", "Race", key(name, i), "v");
    };
    std::thread first(writer, 'a');
    std::thread second(writer, 'b');
    first.join();
    second.join();
    IniSettingsStore store(m_config);
    for (int i = 0; i < kWrites; ++i) {
        EXPECT_EQ(store.GetSetting("RavuVod", "Race", key('a', i)), "v") << i;
        EXPECT_EQ(store.GetSetting("RavuVod", "Race", key('b', i)), "v") << i;
    }
}

TEST_F(IniSettingsStoreTest, ADamagedFileReadsEmptyAndIsRewrittenWhole) {
    std::string noise = "[NidraBhanga\n";
    for (int i = 0; i < 3000; ++i) noise += static_cast<char>((i * 31 + 7) % 256);
    WriteText(m_config + "/RavuVod/RavuVod.ini", noise);
    IniSettingsStore store(m_config);
    EXPECT_EQ(store.GetSetting("RavuVod", "NidraBhanga", "NickName"), "");
    store.SaveSetting("RavuVod", "NidraBhanga", "NickName", "Ann");
    EXPECT_EQ(IniSettingsStore(m_config).GetSetting("RavuVod", "NidraBhanga", "NickName"), "Ann");
}

TEST_F(IniSettingsStoreTest, FailuresAreReported) {
    WriteText(m_config + "/blocked", "a file where the folder should be");
    IniSettingsStore blocked(m_config + "/blocked");
    EXPECT_THROW(blocked.SaveSetting("RavuVod", "S", "K", "v"), ServiceError);

    IniSettingsStore store(m_config);
    fs::create_directories(m_config + "/Folder/Folder.ini");  // the file's name is taken by a folder
    EXPECT_THROW(store.GetSetting("Folder", "S", "K"), ServiceError);
    EXPECT_THROW(store.SaveSetting("Folder", "S", "K", "v"), ServiceError);
    for (const char* application : {"", "..", "a/b"}) {
        EXPECT_THROW(store.SaveSetting(application, "S", "K", "v"), ServiceError) << application;
    }
}

}  // namespace
}  // namespace orbilo::platform
