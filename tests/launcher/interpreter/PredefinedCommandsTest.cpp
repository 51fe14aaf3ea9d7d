// The predefined tables hold the system's exact names and command lines, and special folder
// lookups fall back to My Documents as the launcher promises.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <string>

#include "FakeShell.h"
#include "format/MakerInfo.h"
#include "format/TextCase.h"
#include "interpreter/PredefinedCommands.h"
#include "messages/MessageCatalogue.h"

namespace orbilo {
namespace {

TEST(PredefinedCommandsTest, NameTablesKeepTheirOrder) {
    ASSERT_EQ(kSpecialFolderNames.size(), 16u);
    EXPECT_EQ(kSpecialFolderNames[0], "AllUsersDesktop");
    EXPECT_EQ(kSpecialFolderNames[6], "Fonts");
    EXPECT_EQ(kSpecialFolderNames[7], "MyDocuments");
    EXPECT_EQ(kSpecialFolderNames[12], "SendTo");
    EXPECT_EQ(kSpecialFolderNames[15], "Templates");

    ASSERT_EQ(kPanelAppletNames.size(), 22u);
    EXPECT_EQ(kPanelAppletNames[0], "Accessibility");
    EXPECT_EQ(kPanelAppletNames[8], "DesktopSettings");
    EXPECT_EQ(kPanelAppletNames[10], "Fonts");
    EXPECT_EQ(kPanelAppletNames[17], "Printers");
    EXPECT_EQ(kPanelAppletNames[21], "Themes");
}

TEST(PredefinedCommandsTest, CompletionLeavesOutExactlyFiveApplets) {
    std::set<std::string> notOffered(kPanelAppletNames.begin(), kPanelAppletNames.end());
    std::size_t previous = 0;
    for (std::size_t i = 0; i < kOfferedAppletPositions.size(); ++i) {
        const std::size_t position = kOfferedAppletPositions[i];
        ASSERT_LT(position, kPanelAppletNames.size());
        if (i > 0) {
            EXPECT_GT(position, previous) << "offered in table order";
        }
        previous = position;
        notOffered.erase(std::string(kPanelAppletNames[position]));
    }
    EXPECT_EQ(notOffered, (std::set<std::string>{"AddNewHardware", "Dialup", "Fonts", "Printers", "Themes"}));
}

TEST(PredefinedCommandsTest, EveryAppletKeyStartsItsExactCommandLine) {
    const struct {
        const char* key;
        const char* commandLine;
    } cases[] = {
        {"accessibility", "rundll32.exe shell32.dll,Control_RunDLL access.cpl"},
        {"addnewhardware", "rundll32.exe shell32.dll,Control_RunDLL sysdm.cpl @1"},
        {"addnewprinter", "rundll32.exe shell32.dll,SHHelpShortcuts_RunDLL AddPrinter"},
        {"addremove", "rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl"},
        {"appearance", "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,2"},
        {"background", "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,0"},
        {"controlpanel", "rundll32.exe shell32.dll,Control_RunDLL"},
        {"datetime", "rundll32.exe shell32.dll,Control_RunDLL timedate.cpl"},
        {"desktopsettings", "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,3"},
        {"dialup", "rundll32.exe rnaui.dll,RnaWizard"},
        {"internet", "rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl"},
        {"joystick", "rundll32.exe shell32.dll,Control_RunDLL joy.cpl"},
        {"keyboard", "rundll32.exe shell32.dll,Control_RunDLL main.cpl @1"},
        {"modem", "rundll32.exe shell32.dll,Control_RunDLL modem.cpl"},
        {"mouse", "rundll32.exe shell32.dll,Control_RunDLL main.cpl @0"},
        {"multimedia", "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl"},
        {"printers", "rundll32.exe shell32.dll,Control_RunDLL main.cpl @2"},
        {"regional", "rundll32.exe shell32.dll,Control_RunDLL intl.cpl"},
        {"screensaver", "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,1"},
        {"system", "rundll32.exe shell32.dll,Control_RunDLL sysdm.cpl"},
        {"themes", "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,4"},
    };
    EXPECT_EQ(kAppletCommands.size(), std::size(cases));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(AppletCommandLine(c.key), std::optional<std::string>(c.commandLine));
    }
}

TEST(PredefinedCommandsTest, EveryAppletNameButFontsHasAKey) {
    for (const std::string_view name : kPanelAppletNames) {
        SCOPED_TRACE(std::string(name));
        EXPECT_EQ(AppletCommandLine(LowerCased(name)).has_value(), name != "Fonts");
    }
}

TEST(PredefinedCommandsTest, NamesThatAreNoAppletKeyGiveNothing) {
    // The key is compared exactly: the caller lower-cases first.
    for (const char* name : {"fonts", "DateTime", "datetime ", "date", "", "sendto"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(AppletCommandLine(name), std::nullopt);
    }
    // "fonts" is still a special folder.
    EXPECT_NE(std::find(kSpecialFolderNames.begin(), kSpecialFolderNames.end(), "Fonts"),
              kSpecialFolderNames.end());
}

TEST(PredefinedCommandsTest, MailRolesPairAddressesWithSubjects) {
    AppIdentity app;
    app.programName = "Orbilo";
    EXPECT_EQ(MailAddresses(), (std::array<std::string, kMailRoleCount>{
                                   kBugReportAddress, kSuggestionsAddress, kSupportAddress}));
    const auto subjects = MailSubjects(app);
    EXPECT_EQ(subjects, (std::array<std::string, kMailRoleCount>{"Orbilo - Found Bug", "Orbilo - Suggestions",
                                                                 "Orbilo - Need Support"}));
    EXPECT_EQ(subjects[0], BugReportSubject(app));
}

class SpecialFolderPathTest : public ::testing::Test {
  protected:
    SpecialFolderPathTest() {
        shell.specialFolders = {
            {"SendTo", "/home/ann/Send To/"},
            {"MyDocuments", "/home/ann/Documents"},
            {"Fonts", "/home/ann/.local/share/fonts"},
        };
    }
    test::FakeShell shell;
};

TEST_F(SpecialFolderPathTest, AsksByTheTableNameAndFallsBackToMyDocuments) {
    const struct {
        const char* name;
        const char* path;
    } cases[] = {
        {"SendTo", "/home/ann/Send To/"},  // returned as given, separator and space kept
        {"sendto", "/home/ann/Send To/"},
        {"SENDTO", "/home/ann/Send To/"},
        {"sEnDtO", "/home/ann/Send To/"},
        {"Fonts", "/home/ann/.local/share/fonts"},
        {"mydocuments", "/home/ann/Documents"},
        {"Templates", "/home/ann/Documents"},  // a key the shell has no folder for
        {"NoSuchFolder", "/home/ann/Documents"},
        {"Send To", "/home/ann/Documents"},
        {"", "/home/ann/Documents"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SpecialFolderPath(shell, c.name), c.path);
    }
}

TEST_F(SpecialFolderPathTest, AFailingShellGivesEmptyText) {
    shell.FailOn("SpecialFolder");
    EXPECT_EQ(SpecialFolderPath(shell, "SendTo"), "");
    EXPECT_EQ(SpecialFolderPath(shell, "NoSuchFolder"), "");
}

TEST_F(SpecialFolderPathTest, NoMyDocumentsEitherGivesEmptyText) {
    shell.specialFolders.erase("MyDocuments");
    EXPECT_EQ(SpecialFolderPath(shell, "NoSuchFolder"), "");
    EXPECT_EQ(SpecialFolderPath(shell, "sendto"), "/home/ann/Send To/");
}

}  // namespace
}  // namespace orbilo
