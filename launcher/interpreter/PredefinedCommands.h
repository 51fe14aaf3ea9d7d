// The fixed tables behind the predefined Codes: special folder names ("d."), control panel
// applets and their command lines ("c."), and the maker's e-mail roles ("e."). Their order is the
// order in which autocompletion tries the names.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "services/Shell.h"
#include "startup/Context.h"

namespace orbilo {

// The names the shell's special-folder collection understands, in completion order.
inline constexpr std::array<std::string_view, 16> kSpecialFolderNames = {
    "AllUsersDesktop", "AllUsersStartMenu", "AllUsersPrograms", "AllUsersStartup", "Desktop",  "Favorites",
    "Fonts",           "MyDocuments",       "NetHood",          "PrintHood",       "Programs", "Recent",
    "SendTo",          "StartMenu",         "Startup",          "Templates",
};

inline constexpr std::array<std::string_view, 22> kPanelAppletNames = {
    "Accessibility", "AddNewHardware", "AddNewPrinter",   "AddRemove", "Appearance", "Background",
    "ControlPanel",  "DateTime",       "DesktopSettings", "Dialup",    "Fonts",      "Internet",
    "Joystick",      "Keyboard",       "Modem",           "Mouse",     "Multimedia", "Printers",
    "Regional",      "Screensaver",    "System",          "Themes",
};

// The applets autocompletion offers, as positions in kPanelAppletNames. AddNewHardware, Dialup,
// Fonts, Printers and Themes are left out: they open only when typed in full.
inline constexpr std::array<std::size_t, 17> kOfferedAppletPositions = {0,  2,  3,  4,  5,  6,  7,  8, 11,
                                                                        12, 13, 14, 15, 16, 18, 19, 20};

struct AppletCommand {
    std::string_view key;  // lower case
    std::string_view commandLine;
};

// What the Windows shell starts for each applet; other systems map the key to their own panel.
inline constexpr std::array<AppletCommand, 21> kAppletCommands = {{
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
}};

inline constexpr std::size_t kMailRoleCount = 3;

// The command line for an applet key. The key is compared exactly, so the caller lower-cases the
// typed name first; nothing for a name that is no key (among them "fonts").
std::optional<std::string> AppletCommandLine(std::string_view key);

// The maker's bug-report, suggestions and support addresses, without "mailto:".
std::array<std::string, kMailRoleCount> MailAddresses();
// The subjects that go with MailAddresses, position for position.
std::array<std::string, kMailRoleCount> MailSubjects(const AppIdentity& app);

// The path of a special folder by its name in any letter case. A name the table does not know,
// or one the shell has no folder for, gives the My Documents folder; a failing shell gives an
// empty text.
std::string SpecialFolderPath(Shell& shell, std::string_view name);

}  // namespace orbilo
