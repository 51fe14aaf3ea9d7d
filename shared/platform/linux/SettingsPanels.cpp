// The applet table and the choice of settings program from the session's desktop.
#include "platform/linux/SettingsPanels.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "services/ServiceError.h"

namespace orbilo::platform {
namespace {

constexpr PanelName kNone = std::nullopt;
constexpr std::string_view kOverview = "";

// Panel names are those of GNOME Settings 43 and module names those of Plasma 5.27 and 6, the
// desktops of Debian 12 and after. Only what does the applet's job is mapped; an applet whose
// job has no counterpart fails rather than opening something merely nearby.
constexpr std::array<SettingsPanel, 21> kPanels = {{
    // Accessibility Options.
    {"accessibility", "universal-access", "kcm_access", "kcm_access"},
    // The Add New Hardware wizard: the kernel finds hardware by itself, and neither desktop has
    // a wizard or a panel for adding devices in general.
    {"addnewhardware", kNone, kNone, kNone},
    // The Add Printer wizard: the printers panel and module, whose first offer is to add one.
    {"addnewprinter", "printers", "kcm_printer_manager", "kcm_printer_manager"},
    // Add or Remove Programs: no settings panel; the software centre's installed programs.
    {"addremove", kNone, kNone, kNone, true},
    // The Appearance page of the display properties (colour scheme, window style). GNOME calls
    // its background panel "Appearance" and keeps the style there; Plasma has the colours.
    {"appearance", "background", "kcm_colors", "kcm_colors"},
    // The Background page. Plasma 5 has no wallpaper module: the desktop itself sets it.
    {"background", "background", "kcm_wallpaper", kNone},
    // The Control Panel folder: the settings program at its overview.
    {"controlpanel", kOverview, kOverview, kOverview},
    // Date and time.
    {"datetime", "datetime", "kcm_clock", "kcm_clock"},
    // The Settings page of the display properties: resolution, colours, monitors.
    {"desktopsettings", "display", "kcm_kscreen", "kcm_kscreen"},
    // The dial-up connection wizard: new connections are made in the network settings.
    {"dialup", "network", "kcm_networkmanagement", "kcm_networkmanagement"},
    // Internet Options. Browsers keep their own options; what the system holds for all of
    // them is the connection's proxy, which GNOME shows in its network panel.
    {"internet", "network", "kcm_proxy", "kcm_proxy"},
    // Game Controllers. GNOME has none (its "wacom" panel is for graphics tablets).
    {"joystick", kNone, "kcm_gamecontroller", "kcm_joystick"},
    // The keyboard page of the main applets.
    {"keyboard", "keyboard", "kcm_keyboard", "kcm_keyboard"},
    // Phone and Modem Options: GNOME's mobile network panel lists the modems; Plasma sets them
    // up among its connections.
    {"modem", "wwan", "kcm_networkmanagement", "kcm_networkmanagement"},
    // The mouse page of the main applets.
    {"mouse", "mouse", "kcm_mouse", "kcm_mouse"},
    // Sounds and audio devices.
    {"multimedia", "sound", "kcm_pulseaudio", "kcm_pulseaudio"},
    // The printers page of the main applets.
    {"printers", "printers", "kcm_printer_manager", "kcm_printer_manager"},
    // Regional and language options.
    {"regional", "region", "kcm_regionandlang", "kcm_regionandlang"},
    // The Screen Saver page: blanking after idle time and the password on return, which is
    // GNOME's screen lock panel and Plasma's screen locking module.
    {"screensaver", "screen", "kcm_screenlocker", "kcm_screenlocker"},
    // System Properties: what the computer is and runs.
    {"system", "info-overview", "kcm_about-distro", "kcm_about-distro"},
    // Themes: Plasma's global themes; GNOME's only choice of theme, the style, is on its
    // appearance panel.
    {"themes", "background", "kcm_lookandfeel", "kcm_lookandfeel"},
}};

enum class Desktop { Gnome, Kde, Other };

enum class Program { GnomeControlCenter, SystemSettings, SystemSettings5 };

struct ProgramInfo {
    Program program;
    const char* name;
};

constexpr ProgramInfo kGnomeControlCenter{Program::GnomeControlCenter, "gnome-control-center"};
// Plasma 6 dropped systemsettings5, while Plasma 5.26 and later install both names: the one
// found first tells which generation's module names apply.
constexpr ProgramInfo kSystemSettings5{Program::SystemSettings5, "systemsettings5"};
constexpr ProgramInfo kSystemSettings{Program::SystemSettings, "systemsettings"};

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualCaseBlind(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// The first entry of the colon-separated list that names a known family decides.
Desktop DesktopOf(std::string_view currentDesktop) {
    static constexpr std::array<std::string_view, 5> kGnomeFamily = {"GNOME", "GNOME-Classic",
                                                                     "GNOME-Flashback", "Unity", "Budgie"};
    while (!currentDesktop.empty()) {
        const auto colon = currentDesktop.find(':');
        const std::string_view entry = currentDesktop.substr(0, colon);
        currentDesktop.remove_prefix(colon == std::string_view::npos ? currentDesktop.size() : colon + 1);
        if (EqualCaseBlind(entry, "KDE")) return Desktop::Kde;
        if (std::any_of(kGnomeFamily.begin(), kGnomeFamily.end(),
                        [entry](std::string_view known) { return EqualCaseBlind(entry, known); })) {
            return Desktop::Gnome;
        }
    }
    return Desktop::Other;
}

template <typename Candidate, std::size_t N>
const Candidate* FirstOnPath(const std::array<Candidate, N>& candidates, const DesktopFacts& facts) {
    for (const auto& candidate : candidates) {
        if (facts.isOnPath && facts.isOnPath(candidate.name)) return &candidate;
    }
    return nullptr;
}

std::vector<std::string> SoftwareCentreCommand(Desktop desktop, const DesktopFacts& facts) {
    struct Centre {
        const char* name;
        std::vector<std::string> words;
    };
    const Centre gnome{"gnome-software", {"gnome-software", "--mode=installed"}};
    const Centre kde{"plasma-discover", {"plasma-discover", "--mode", "Installed"}};
    const std::array<Centre, 2> order =
        desktop == Desktop::Kde ? std::array<Centre, 2>{kde, gnome} : std::array<Centre, 2>{gnome, kde};
    const Centre* found = FirstOnPath(order, facts);
    if (found == nullptr) {
        throw ServiceError("no software centre (gnome-software, plasma-discover) was found");
    }
    return found->words;
}

}  // namespace

std::span<const SettingsPanel> SettingsPanelTable() {
    return kPanels;
}

const SettingsPanel* FindSettingsPanel(std::string_view key) {
    const auto found = std::find_if(kPanels.begin(), kPanels.end(),
                                    [key](const SettingsPanel& panel) { return panel.key == key; });
    return found == kPanels.end() ? nullptr : &*found;
}

DesktopFacts CurrentDesktopFacts() {
    const char* currentDesktop = std::getenv("XDG_CURRENT_DESKTOP");
    return DesktopFacts{currentDesktop != nullptr ? currentDesktop : "", IsProgramOnPath};
}

bool IsProgramOnPath(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos) return false;
    const char* variable = std::getenv("PATH");
    // glibc's search path when PATH is unset.
    const std::string_view path = variable != nullptr ? variable : "/bin:/usr/bin";
    std::size_t start = 0;
    for (;;) {
        const auto end = std::min(path.find(':', start), path.size());
        // An empty entry is the current folder, as for execvp.
        const std::string_view folder = end > start ? path.substr(start, end - start) : std::string_view(".");
        std::string candidate;
        candidate.reserve(folder.size() + 1 + name.size());
        candidate.append(folder).append(1, '/').append(name);
        struct stat info {};
        if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0) {
            return true;
        }
        if (end == path.size()) return false;
        start = end + 1;
    }
}

std::vector<std::string> SettingsPanelCommand(std::string_view key, const DesktopFacts& facts) {
    const SettingsPanel* panel = FindSettingsPanel(key);
    if (panel == nullptr) {
        throw ServiceError("no control panel applet is called \"" + std::string(key) + "\"");
    }
    const Desktop desktop = DesktopOf(facts.currentDesktop);
    if (panel->softwareCentre) return SoftwareCentreCommand(desktop, facts);

    // The desktop's own program first; on another desktop, or when it is missing, whichever of
    // the two is installed.
    using Order = std::array<ProgramInfo, 3>;
    const Order order = desktop == Desktop::Kde
                            ? Order{kSystemSettings5, kSystemSettings, kGnomeControlCenter}
                            : Order{kGnomeControlCenter, kSystemSettings5, kSystemSettings};
    const ProgramInfo* program = FirstOnPath(order, facts);
    if (program == nullptr) {
        throw ServiceError("no settings program (gnome-control-center, systemsettings) was found");
    }
    const PanelName name = program->program == Program::GnomeControlCenter ? panel->gnome
                           : program->program == Program::SystemSettings   ? panel->plasma
                                                                           : panel->plasma5;
    if (!name) {
        throw ServiceError("the control panel applet \"" + std::string(key) + "\" has no equivalent in " +
                           program->name);
    }
    std::vector<std::string> words{program->name};
    if (!name->empty()) words.emplace_back(*name);
    return words;
}

}  // namespace orbilo::platform
