// The shell service with a recording xdg-open and recording programs on PATH, and the files it
// writes for launchers, autostart entries and special folders.
#include "platform/linux/LinuxShell.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

#include "TestFiles.h"
#include "services/ServiceError.h"
#include "support/TestEnvironment.h"

namespace orbilo::platform {
namespace {

namespace fs = std::filesystem;
using test::PermissionBits;
using test::ReadText;
using test::WriteText;
using Words = std::vector<std::string>;

constexpr auto kRecordPatience = std::chrono::seconds(20);

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
  public:
    ~ScopedEnvironment() {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            const auto& [name, value] = *it;
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }
    void Set(const std::string& name, const std::string& value) {
        const char* old = std::getenv(name.c_str());
        m_saved.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
        setenv(name.c_str(), value.c_str(), 1);
    }

  private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

// A script that writes its arguments, NUL-terminated, to a record file (renamed into place, so
// a complete record appears at once) and its session id beside it.
void WriteRecorder(const std::string& scriptPath, const std::string& recordPath) {
    WriteText(scriptPath,
              "#!/bin/sh\n"
              "cut -d' ' -f6 /proc/$$/stat > '" +
                  recordPath +
                  ".sid'\n"
                  "printf '%s\\0' \"$@\" > '" +
                  recordPath + ".part' && mv '" + recordPath + ".part' '" + recordPath + "'\n");
    fs::permissions(scriptPath, fs::perms::owner_all);
}

// The started program runs on its own; poll for its record for a bounded time.
std::optional<Words> WaitForRecord(const std::string& recordPath) {
    const auto deadline = std::chrono::steady_clock::now() + kRecordPatience;
    while (!fs::exists(recordPath)) {
        if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const std::string text = ReadText(recordPath);
    fs::remove(recordPath);
    Words words;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\0', start);
        words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

class LinuxShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_folder = orbilo::test::MakeTempFolder("shell");
        m_bin = m_folder + "/bin";
        m_record = m_folder + "/record";
        fs::create_directories(m_bin);
        WriteRecorder(m_bin + "/xdg-open", m_record);
        const char* path = std::getenv("PATH");
        m_environment.Set("PATH", m_bin + ":" + (path != nullptr ? path : "/usr/bin:/bin"));
        m_environment.Set("XDG_CONFIG_HOME", m_folder + "/config");
    }

    std::string m_folder;
    std::string m_bin;
    std::string m_record;
    ScopedEnvironment m_environment;
    LinuxShell m_shell;
};

TEST_F(LinuxShellTest, RunHandsTheTargetToXdgOpenAsOneUntouchedArgument) {
    const std::string document = m_folder + "/My Notes & Plans?.txt";
    WriteText(document, "x");
    const std::string targets[] = {
        "https://www.korrin.example/a b?x=1&y='2'\"q\"",
        "mailto:bugs@korrin.example?subject=Orbilo - Found Bug&body=line 1\nline 2",
        document,
        m_folder,
    };
    for (const auto& target : targets) {
        m_shell.Run(target);
        EXPECT_EQ(WaitForRecord(m_record), Words{target}) << target;
    }
    EXPECT_TRUE(m_shell.OpenLink("mailto:ideas@korrin.example?subject=Orbilo - Suggestions"));
    EXPECT_EQ(WaitForRecord(m_record), Words{"mailto:ideas@korrin.example?subject=Orbilo - Suggestions"});
}

TEST_F(LinuxShellTest, AMissingLocalPathOrAMissingXdgOpenIsAFailure) {
    // " http://..." has no scheme (nothing is trimmed): it is a relative path, and none exists.
    for (const std::string& target : {m_folder + "/missing.txt", std::string("relative/missing"),
                                      std::string(" http://leading.space.example"), std::string()}) {
        EXPECT_THROW(m_shell.Run(target), ServiceError) << target;
        EXPECT_FALSE(m_shell.OpenLink(target)) << target;
    }
    fs::create_directories(m_folder + "/empty-bin");
    m_environment.Set("PATH", m_folder + "/empty-bin");
    EXPECT_THROW(m_shell.Run("https://www.korrin.example/"), ServiceError);
    EXPECT_FALSE(m_shell.OpenLink("mailto:bugs@korrin.example"));
}

TEST_F(LinuxShellTest, StartCommandLineGivesTheProgramExactlyItsArgumentsInItsOwnSession) {
    const std::string tools = m_folder + "/My Tools";
    fs::create_directories(tools);
    WriteRecorder(tools + "/recorder", m_record);
    m_shell.StartCommandLine("\"" + tools + "/recorder\" \"two words\" 'single $HOME' back\\ slash '&' \"\"");
    EXPECT_EQ(WaitForRecord(m_record), (Words{"two words", "single $HOME", "back slash", "&", ""}));
    EXPECT_NE(std::stol(ReadText(m_record + ".sid")), static_cast<long>(::getsid(0)));

    m_environment.Set("PATH", tools + ":/usr/bin:/bin");  // found through PATH
    m_shell.StartCommandLine("recorder a?b");
    EXPECT_EQ(WaitForRecord(m_record), Words{"a?b"});
}

TEST_F(LinuxShellTest, AProgramThatCannotStartIsAFailure) {
    WriteText(m_folder + "/not-executable", "#!/bin/sh\n");
    for (const std::string& line : {std::string(), std::string("   "), std::string("/no/such/program"),
                                    std::string("orbilo-no-such-program --flag"),
                                    m_folder + "/not-executable", std::string("\"unterminated")}) {
        EXPECT_THROW(m_shell.StartCommandLine(line), ServiceError) << line;
    }
}

TEST_F(LinuxShellTest, SpecialFoldersAreXdgUserDirsAndFreedesktopPlaces) {
    const std::string home = m_folder + "/home";
    m_environment.Set("HOME", home);
    m_environment.Set("XDG_DATA_HOME", home + "/.local/share");
    WriteText(m_folder + "/config/user-dirs.dirs",
              "# written by xdg-user-dirs-update\n"
              "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
              "XDG_DOCUMENTS_DIR=\"/data/My Documents/\"\n"
              "XDG_TEMPLATESX_DIR=\"$HOME/not this one\"\n");
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"AllUsersDesktop", ""},
        {"AllUsersStartMenu", "/usr/share/applications"},
        {"AllUsersPrograms", "/usr/share/applications"},
        {"AllUsersStartup", "/etc/xdg/autostart"},
        {"Desktop", home + "/Schreibtisch"},
        {"Favorites", ""},
        {"Fonts", home + "/.local/share/fonts"},
        {"MyDocuments", "/data/My Documents"},
        {"NetHood", ""},
        {"PrintHood", ""},
        {"Programs", home + "/.local/share/applications"},
        {"Recent", ""},
        {"SendTo", ""},
        {"StartMenu", home + "/.local/share/applications"},
        {"Startup", m_folder + "/config/autostart"},
        {"Templates", home},  // not configured: home, as xdg-user-dir answers
        {"sendto", ""},
        {"DESKTOP", home + "/Schreibtisch"},
        {"NoSuchFolder", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(m_shell.SpecialFolder(c.name), c.path) << c.name;

    fs::remove(m_folder + "/config/user-dirs.dirs");
    EXPECT_EQ(m_shell.SpecialFolder("Desktop"), home + "/Desktop");
    EXPECT_EQ(m_shell.SpecialFolder("MyDocuments"), home);
}

TEST_F(LinuxShellTest, CreateShortcutWritesAnExecutableLauncher) {
    ShortcutSpec shortcut;
    shortcut.shortcutPath = m_folder + "/Desktop/Orbilo.desktop";
    shortcut.targetPath = "/opt/My Apps/Orbilo/Orbilo.bin";
    shortcut.workingDirectory = "/opt/My Apps/Orbilo/";
    shortcut.iconLocation = "/opt/My Apps/Orbilo/Orbilo.bin, 0";
    shortcut.description = "Orbilo";
    shortcut.hotkey = "CTRL+SHIFT+L";
    fs::create_directories(m_folder + "/Desktop");
    WriteText(shortcut.shortcutPath, "an older launcher");

    m_shell.CreateShortcut(shortcut);
    EXPECT_EQ(ReadText(shortcut.shortcutPath),
              "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Orbilo\nComment=Orbilo\n"
              "Exec=\"/opt/My Apps/Orbilo/Orbilo.bin\"\nPath=/opt/My Apps/Orbilo/\n"
              "Icon=/opt/My Apps/Orbilo/Orbilo.bin\nTerminal=false\n");
    EXPECT_EQ(PermissionBits(shortcut.shortcutPath) & 0111, 0111u);

    shortcut.targetPath = "";
    EXPECT_THROW(m_shell.CreateShortcut(shortcut), ServiceError);
}

class StartupRegistrationTest : public LinuxShellTest {
  protected:
    const std::string m_value = std::string(LinuxShell::kStartupKey) + "\\KorrinsLauncher";
    std::string Entry() const { return m_folder + "/config/autostart/KorrinsLauncher.desktop"; }
};

TEST_F(StartupRegistrationTest, TheStartupValueIsAnAutostartEntry) {
    m_shell.RegWrite(m_value, "/opt/My Apps/Orbilo/Orbilo.bin");
    EXPECT_EQ(ReadText(Entry()),
              "[Desktop Entry]\nType=Application\nName=KorrinsLauncher\n"
              "Exec=\"/opt/My Apps/Orbilo/Orbilo.bin\"\nPath=/opt/My Apps/Orbilo/\n"
              "Terminal=false\nX-GNOME-Autostart-enabled=true\n");
    const std::string otherCase =
        "hkey_local_machine\\software\\microsoft\\windows\\currentversion\\run\\KorrinsLauncher";
    EXPECT_EQ(m_shell.RegRead(otherCase), "/opt/My Apps/Orbilo/Orbilo.bin");

    m_shell.RegDelete(m_value);
    EXPECT_FALSE(fs::exists(Entry()));
    EXPECT_THROW(m_shell.RegRead(m_value), ServiceError);
    EXPECT_THROW(m_shell.RegDelete(m_value), ServiceError);
}

TEST_F(StartupRegistrationTest, AnyExecutablePathSurvivesTheExecQuoting) {
    const std::string values[] = {
        "/opt/Orbilo/Orbilo.bin",
        "/opt/100% \"quoted\" $HOME `cmd` back\\slash/Orbilo.bin",
        "/opt/tab\there;and&more (x)/Orbilo.bin",
    };
    for (const auto& value : values) {
        m_shell.RegWrite(m_value, value);
        EXPECT_EQ(m_shell.RegRead(m_value), value);
    }
    // The quoting of the entry itself, as the Desktop Entry rules give it: the quote, the dollar
    // sign, the grave accent and the backslash escaped inside double quotes, '%' doubled, and the
    // whole value then string-escaped (every backslash doubled).
    m_shell.RegWrite(m_value, "/opt/a\"b$c`d\\e%f");
    EXPECT_NE(ReadText(Entry()).find("Exec=\"/opt/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e%%f\"\n"), std::string::npos);
}

TEST_F(StartupRegistrationTest, AHiddenEntryCountsAsAbsentAndOtherKeysAreRefused) {
    WriteText(Entry(), "[Desktop Entry]\nType=Application\nExec=/opt/x\nHidden=true\n");
    EXPECT_THROW(m_shell.RegRead(m_value), ServiceError);

    const std::string others[] = {
        "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\RavuVod\\NidraBhanga\\NickName",
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce\\KorrinsLauncher",
        std::string(LinuxShell::kStartupKey) + "\\",
        std::string(LinuxShell::kStartupKey) + "\\..",
        "KorrinsLauncher",
    };
    for (const auto& other : others) {
        EXPECT_THROW(m_shell.RegWrite(other, "/opt/x"), ServiceError) << other;
        EXPECT_THROW(m_shell.RegRead(other), ServiceError) << other;
        EXPECT_THROW(m_shell.RegDelete(other), ServiceError) << other;
    }
    EXPECT_EQ(test::FolderNames(m_folder + "/config/autostart"), Words{"KorrinsLauncher.desktop"});
}

}  // namespace
}  // namespace orbilo::platform
