// The control panel applets as this desktop's own settings: which GNOME Settings panel or KDE
// System Settings module each applet key stands for, and which settings program to start.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orbilo::platform {

// A panel or module name in one settings program: nullopt when that program has nothing that
// does the applet's job, an empty text for the program's own overview.
using PanelName = std::optional<std::string_view>;

struct SettingsPanel {
    std::string_view key;  // the applet's lower-case key
    PanelName gnome;       // gnome-control-center PANEL
    PanelName plasma;      // systemsettings MODULE (Plasma 6)
    PanelName plasma5;     // systemsettings5 MODULE (Plasma 5)
    // Installing and removing programs is no settings panel on Linux: the software centre, opened
    // on its list of installed programs, takes its place.
    bool softwareCentre = false;
};

// Every applet key, each once.
std::span<const SettingsPanel> SettingsPanelTable();
// nullptr for a name that is no applet key (the comparison is exact).
const SettingsPanel* FindSettingsPanel(std::string_view key);

// What decides the program: the session's XDG_CURRENT_DESKTOP and which programs can be found.
// Gathered by the caller, so that the choice can be examined without a desktop.
struct DesktopFacts {
    std::string currentDesktop;
    std::function<bool(const std::string&)> isOnPath;
};

DesktopFacts CurrentDesktopFacts();

// True when PATH (or the system default search path, when PATH is unset) holds an executable
// regular file of that name, as posix_spawnp would find it.
bool IsProgramOnPath(const std::string& name);

// The program and its arguments, as separate words, that open the applet's equivalent here.
// Throws ServiceError for a name that is no key, for an applet with no equivalent in the chosen
// program, and when no suitable program can be found.
std::vector<std::string> SettingsPanelCommand(std::string_view key, const DesktopFacts& facts);

}  // namespace orbilo::platform
