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
#include <vector>

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
// a complete record appears at once) and its session id beside it. It finds its own tools
// whatever PATH a test gives the program under test.
void WriteRecorder(const std::string& scriptPath, const std::string& recordPath) {
    WriteText(scriptPath,
              "#!/bin/sh\n"
              "PATH=/usr/bin:/bin\n"
              "cut -d' ' -f6 /proc/$$/stat > '" +
                  recordPath +
                  ".sid'\n"
                  // One printf per argument: a single printf would record no arguments as one empty one.
                  "for a; do printf '%s\\0' \"$a\"; done > '" +
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

    // A Launch List program is its bare path, spaces and all: the whole line is the program.
    m_shell.StartCommandLine(tools + "/recorder");
    EXPECT_EQ(WaitForRecord(m_record), Words{});
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

// The settings programs and the software centres, each recording into its own file, alone on
// PATH so that nothing installed on the machine can answer instead.
class SettingsPanelShellTest : public LinuxShellTest {
  protected:
    void SetUp() override {
        LinuxShellTest::SetUp();
        for (const char* program :
             {"gnome-control-center", "systemsettings", "gnome-software", "plasma-discover"}) {
            WriteRecorder(m_bin + "/" + program, Record(program));
        }
        m_environment.Set("PATH", m_bin);
    }
    std::string Record(const std::string& program) const { return m_folder + "/" + program + ".record"; }
};

TEST_F(SettingsPanelShellTest, AnAppletOpensTheDesktopsSettingsPanel) {
    const std::string windowsLine = "rundll32.exe shell32.dll,Control_RunDLL timedate.cpl";
    m_environment.Set("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    m_shell.OpenPanelApplet("datetime", windowsLine);
    EXPECT_EQ(WaitForRecord(Record("gnome-control-center")), Words{"datetime"});
    m_shell.OpenPanelApplet("controlpanel", "rundll32.exe shell32.dll,Control_RunDLL");
    EXPECT_EQ(WaitForRecord(Record("gnome-control-center")), Words{});
    m_shell.OpenPanelApplet("addremove", "rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl");
    EXPECT_EQ(WaitForRecord(Record("gnome-software")), Words{"--mode=installed"});

    m_environment.Set("XDG_CURRENT_DESKTOP", "KDE");
    m_shell.OpenPanelApplet("datetime", windowsLine);
    EXPECT_EQ(WaitForRecord(Record("systemsettings")), Words{"kcm_clock"});
    m_shell.OpenPanelApplet("addremove", "rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl");
    EXPECT_EQ(WaitForRecord(Record("plasma-discover")), (Words{"--mode", "Installed"}));
}

TEST_F(SettingsPanelShellTest, AnAppletWithoutEquivalentOrWithoutSettingsProgramFails) {
    m_environment.Set("XDG_CURRENT_DESKTOP", "GNOME");
    EXPECT_THROW(
        m_shell.OpenPanelApplet("addnewhardware", "rundll32.exe shell32.dll,Control_RunDLL sysdm.cpl @1"),
        ServiceError);
    EXPECT_THROW(m_shell.OpenPanelApplet("joystick", "rundll32.exe shell32.dll,Control_RunDLL joy.cpl"),
                 ServiceError);
    EXPECT_THROW(m_shell.OpenPanelApplet("fonts", ""), ServiceError);

    // A file that cannot be run and a folder under the programs' names are not the programs: the
    // next one that can run is taken, and with none left the applet fails.
    const std::string datetime = "rundll32.exe shell32.dll,Control_RunDLL timedate.cpl";
    fs::remove(m_bin + "/gnome-control-center");
    WriteText(m_bin + "/gnome-control-center", "#!/bin/sh\n");
    fs::create_directories(m_bin + "/systemsettings5");
    m_shell.OpenPanelApplet("datetime", datetime);
    EXPECT_EQ(WaitForRecord(Record("systemsettings")), Words{"kcm_clock"});

    fs::remove(m_bin + "/systemsettings");
    for (const char* desktop : {"GNOME", "KDE", ""}) {
        m_environment.Set("XDG_CURRENT_DESKTOP", desktop);
        EXPECT_THROW(m_shell.OpenPanelApplet("datetime", datetime), ServiceError) << desktop;
    }
}

// A stand-in xdg-mime that records its arguments, then runs the given shell lines.
class DialTest : public LinuxShellTest {
  protected:
    void SetUp() override {
        LinuxShellTest::SetUp();
        m_environment.Set("PATH", m_bin);
    }
    void WriteXdgMime(const std::string& body) {
        WriteText(m_bin + "/xdg-mime",
                  "#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s\\0' \"$@\" > '" + Query() + "'\n" + body + "\n");
        fs::permissions(m_bin + "/xdg-mime", fs::perms::owner_all);
    }
    std::string Query() const { return m_folder + "/query"; }
    const std::string m_number = "+1 555 0100";
};

TEST_F(DialTest, ARegisteredTelHandlerGetsTheNumberThroughXdgOpen) {
    WriteXdgMime("echo org.gnome.Calls.desktop");
    EXPECT_EQ(m_shell.Dial(m_number, "Orbilo"), 0);
    EXPECT_EQ(WaitForRecord(m_record), Words{"tel:+1 555 0100"});
    EXPECT_EQ(ReadText(Query()), std::string("query\0default\0x-scheme-handler/tel\0", 35));

    fs::remove(m_bin + "/xdg-open");
    EXPECT_EQ(m_shell.Dial(m_number, "Orbilo"), -1);
}

TEST_F(DialTest, AnEmptyNumberIsInvalidAndNoHandlerMeansNoDialer) {
    WriteXdgMime("echo org.gnome.Calls.desktop");
    EXPECT_EQ(m_shell.Dial("", "Orbilo"), -4);
    EXPECT_FALSE(fs::exists(Query()));  // nothing was asked for an empty number

    const struct {
        const char* body;
        int code;
    } cases[] = {
        {"true", -2},
        {"printf ' \\n'", -2},
        {"exit 1", -2},
        {"echo org.gnome.Calls.desktop; exit 3", -2},
        // Whether a dialer exists is unknown: a hung query, or one that floods its output.
        {"exec sleep 60", -1},
        {"while :; do echo org.gnome.Calls.desktop; done", -1},
    };
    for (const auto& c : cases) {
        WriteXdgMime(c.body);
        EXPECT_EQ(m_shell.Dial(m_number, "Orbilo"), c.code) << c.body;
    }
    fs::remove(m_bin + "/xdg-mime");
    EXPECT_EQ(m_shell.Dial(m_number, "Orbilo"), -2);
}

}  // namespace
}  // namespace orbilo::platform
