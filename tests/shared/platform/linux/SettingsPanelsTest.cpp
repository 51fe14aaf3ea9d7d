// The applet table and the choice of settings program, with the desktop and the installed
// programs given as facts instead of read from the session.
#include "platform/linux/SettingsPanels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "services/ServiceError.h"

namespace orbilo::platform {
namespace {

using Words = std::vector<std::string>;

DesktopFacts Facts(const std::string& currentDesktop, std::set<std::string> installed) {
    return DesktopFacts{currentDesktop,
                        [installed](const std::string& name) { return installed.count(name) != 0; }};
}

TEST(SettingsPanelsTest, EveryAppletKeyIsMappedOrDeliberatelyLeftWithoutEquivalent) {
    const std::set<std::string> keys = {
        "accessibility", "addnewhardware", "addnewprinter",   "addremove",  "appearance", "background",
        "controlpanel",  "datetime",       "desktopsettings", "dialup",     "internet",   "joystick",
        "keyboard",      "modem",          "mouse",           "multimedia", "printers",   "regional",
        "screensaver",   "system",         "themes"};
    const auto table = SettingsPanelTable();
    ASSERT_EQ(table.size(), keys.size());

    std::set<std::string> seen;
    std::set<std::string> withoutEquivalent;
    for (const auto& panel : table) {
        const std::string key(panel.key);
        EXPECT_TRUE(keys.count(key) == 1 && seen.insert(key).second) << key;
        EXPECT_EQ(FindSettingsPanel(panel.key), &panel) << key;
        const std::pair<const char*, PanelName> names[] = {
            {"gnome", panel.gnome}, {"plasma", panel.plasma}, {"plasma5", panel.plasma5}};
        for (const auto& [program, name] : names) {
            if (!name) {
                withoutEquivalent.insert(key + " in " + program);
                continue;
            }
            // Only the overview is an empty name, and Plasma's modules are all KCM plugin ids.
            EXPECT_EQ(name->empty(), key == "controlpanel") << key << " in " << program;
            if (std::string_view(program) != "gnome" && !name->empty()) {
                EXPECT_EQ(name->substr(0, 4), "kcm_") << key << " in " << program;
            }
        }
        EXPECT_EQ(panel.softwareCentre, key == "addremove") << key;
    }
    EXPECT_EQ(withoutEquivalent,
              (std::set<std::string>{"addnewhardware in gnome", "addnewhardware in plasma",
                                     "addnewhardware in plasma5", "addremove in gnome", "addremove in plasma",
                                     "addremove in plasma5", "background in plasma5", "joystick in gnome"}));

    // "fonts" is a special folder, not an applet; the logic lower-cases before asking.
    EXPECT_EQ(FindSettingsPanel("fonts"), nullptr);
    EXPECT_EQ(FindSettingsPanel("DateTime"), nullptr);
    EXPECT_EQ(FindSettingsPanel(""), nullptr);
}

TEST(SettingsPanelsTest, TheDesktopChoosesTheSettingsProgramAndItsNames) {
    const std::set<std::string> both = {"gnome-control-center", "systemsettings"};
    const struct {
        const char* desktop;
        std::set<std::string> installed;
        const char* key;
        Words command;
    } cases[] = {
        {"GNOME", both, "datetime", {"gnome-control-center", "datetime"}},
        {"ubuntu:GNOME", both, "mouse", {"gnome-control-center", "mouse"}},
        {"Budgie:GNOME", both, "keyboard", {"gnome-control-center", "keyboard"}},
        {"Unity", both, "regional", {"gnome-control-center", "region"}},
        {"KDE", both, "datetime", {"systemsettings", "kcm_clock"}},
        {"kde", both, "printers", {"systemsettings", "kcm_printer_manager"}},
        // Plasma 5.26 and later install both names; Plasma 6 only the plain one.
        {"KDE", {"systemsettings", "systemsettings5"}, "joystick", {"systemsettings5", "kcm_joystick"}},
        {"KDE", {"systemsettings"}, "joystick", {"systemsettings", "kcm_gamecontroller"}},
        {"KDE", {"systemsettings"}, "background", {"systemsettings", "kcm_wallpaper"}},
        // The desktop's own program is missing, or the desktop is neither: whichever is there.
        {"GNOME", {"systemsettings"}, "mouse", {"systemsettings", "kcm_mouse"}},
        {"KDE", {"gnome-control-center"}, "mouse", {"gnome-control-center", "mouse"}},
        {"X-Cinnamon", {"systemsettings"}, "datetime", {"systemsettings", "kcm_clock"}},
        {"", both, "datetime", {"gnome-control-center", "datetime"}},
        // The overview is the program alone, not the program with an empty argument.
        {"GNOME", both, "controlpanel", {"gnome-control-center"}},
        {"KDE", both, "controlpanel", {"systemsettings"}},
        // The software centre, whether or not a settings program is installed.
        {"GNOME", {"gnome-software", "plasma-discover"}, "addremove", {"gnome-software", "--mode=installed"}},
        {"KDE",
         {"gnome-software", "plasma-discover"},
         "addremove",
         {"plasma-discover", "--mode", "Installed"}},
        {"KDE", {"gnome-software"}, "addremove", {"gnome-software", "--mode=installed"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SettingsPanelCommand(c.key, Facts(c.desktop, c.installed)), c.command)
            << c.desktop << " / " << c.key;
    }
}

TEST(SettingsPanelsTest, AnAppletWithoutEquivalentOrWithoutProgramFails) {
    const std::set<std::string> everything = {"gnome-control-center", "systemsettings", "systemsettings5",
                                              "gnome-software", "plasma-discover"};
    const struct {
        const char* desktop;
        std::set<std::string> installed;
        const char* key;
    } cases[] = {
        {"GNOME", everything, "addnewhardware"},
        {"KDE", everything, "addnewhardware"},
        {"GNOME", {"gnome-control-center"}, "joystick"},
        {"KDE", {"systemsettings", "systemsettings5"}, "background"},
        {"GNOME", everything, "fonts"},
        {"GNOME", everything, "DATETIME"},
        {"GNOME", {}, "datetime"},
        {"KDE", {"gnome-software"}, "datetime"},
        {"GNOME", {"gnome-control-center", "systemsettings"}, "addremove"},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(SettingsPanelCommand(c.key, Facts(c.desktop, c.installed)), ServiceError)
            << c.desktop << " / " << c.key;
    }
}

}  // namespace
}  // namespace orbilo::platform
