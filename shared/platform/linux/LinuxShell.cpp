// Starting, opening, special folders, launchers and autostart entries.
#include "platform/linux/LinuxShell.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/linux/AtomicFile.h"
#include "platform/linux/BoundedRead.h"
#include "platform/linux/CapturedProcess.h"
#include "platform/linux/DesktopEntry.h"
#include "platform/linux/DetachedProcess.h"
#include "platform/linux/SettingsPanels.h"
#include "platform/linux/SplitCommandLine.h"
#include "platform/linux/SystemError.h"
#include "platform/linux/XdgPaths.h"

namespace orbilo::platform {
namespace {

constexpr std::size_t kMaxSmallFileBytes = 256u * 1024u;

// The results of a telephony request.
constexpr int kDialPlaced = 0;
constexpr int kDialFailed = -1;
constexpr int kDialNoApplication = -2;
constexpr int kDialInvalidNumber = -4;

// xdg-mime answers with one desktop file name. On some desktops it starts further tools, so it
// gets a few seconds, but a hung one must not freeze the program.
constexpr std::size_t kHandlerQueryMaxBytes = 4096;
constexpr auto kHandlerQueryTimeout = std::chrono::seconds(3);

std::string_view FirstLineTrimmed(std::string_view text) {
    text = text.substr(0, text.find('\n'));
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualCaseBlind(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// "scheme:" as in RFC 3986: a letter, then letters, digits, '+', '-' or '.'.
bool HasUrlScheme(std::string_view target) {
    const auto colon = target.find(':');
    if (colon == std::string_view::npos || colon == 0 || !IsAsciiLetter(target.front())) return false;
    return std::all_of(target.begin(), target.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
    });
}

bool IsLocalPath(std::string_view target) {
    return target.front() == '/' || !HasUrlScheme(target);
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// Opens by association; the target is xdg-open's one argument, exactly as given.
void OpenWithDesktop(const std::string& target) {
    if (target.empty()) throw ServiceError("nothing to open");
    if (IsLocalPath(target) && !PathExists(target)) throw ServiceError("no such file or folder: " + target);
    StartDetached({"xdg-open", target});
}

std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// One XDG user dir from user-dirs.dirs, whose values are "$HOME/..." or absolute paths.
std::string UserDir(std::string_view variable) {
    const std::string home = HomeFolder();
    std::optional<std::string> text;
    try {
        text = ReadFileIfPresent(ConfigHome() + "/user-dirs.dirs", kMaxSmallFileBytes);
    } catch (const ServiceError&) {
        // An unreadable file is treated like a missing one: the defaults below.
    }
    std::optional<std::string> configured;
    std::size_t start = 0;
    while (text && start < text->size()) {
        const auto end = std::min(text->find('\n', start), text->size());
        std::string_view line = std::string_view(*text).substr(start, end - start);
        start = end + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.size() <= variable.size() || line.substr(0, variable.size()) != variable ||
            line[variable.size()] != '=') {
            continue;
        }
        std::string_view raw = line.substr(variable.size() + 1);
        std::string value;
        if (!raw.empty() && raw.front() == '"') {
            for (std::size_t i = 1; i < raw.size() && raw[i] != '"'; ++i) {
                if (raw[i] == '\\' && i + 1 < raw.size()) ++i;
                value += raw[i];
            }
        } else {
            value = std::string(raw);
        }
        if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/')) {
            configured = home + value.substr(5);
        } else if (!value.empty() && value.front() == '/') {
            configured = value;
        }
    }
    if (configured) return WithoutTrailingSeparators(*configured);
    // As xdg-user-dir answers for an unset entry: the desktop is ~/Desktop, the others home.
    return variable == "XDG_DESKTOP_DIR" ? home + "/Desktop" : home;
}

// "C:\Orbilo\Orbilo.exe, 0" picks an icon by index; a launcher's Icon names a file or theme icon.
std::string WithoutIconIndex(std::string icon) {
    const auto comma = icon.find_last_of(',');
    if (comma == std::string::npos) return icon;
    std::string_view index = std::string_view(icon).substr(comma + 1);
    while (!index.empty() && index.front() == ' ') index.remove_prefix(1);
    if (!index.empty() && index.front() == '-') index.remove_prefix(1);
    if (index.empty() ||
        !std::all_of(index.begin(), index.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return icon;
    }
    icon.erase(comma);
    return icon;
}

std::string FileStem(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

}  // namespace

void LinuxShell::StartCommandLine(const std::string& commandLine) {
    // A Launch List program is stored as its bare path, which may hold spaces
    // ("/opt/My Tools/tool"). When the whole line names a program file, it is that program,
    // as Windows finds "C:\Program Files\x.exe" in an unquoted line.
    struct stat info {};
    if (commandLine.find('/') != std::string::npos && ::stat(commandLine.c_str(), &info) == 0 &&
        S_ISREG(info.st_mode) && (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0) {
        StartDetached({commandLine});
        return;
    }
    const auto words = SplitCommandLine(commandLine);
    if (words.empty()) throw ServiceError("the command line names no program");
    StartDetached(words);
}

void LinuxShell::Run(const std::string& target) {
    OpenWithDesktop(target);
}

bool LinuxShell::OpenLink(const std::string& link) {
    try {
        OpenWithDesktop(link);
        return true;
    } catch (const ServiceError&) {
        return false;
    }
}

// The Windows command line names applets by their .cpl files and means nothing here; the key
// alone decides.
void LinuxShell::OpenPanelApplet(const std::string& key, const std::string& /*windowsCommandLine*/) {
    StartDetached(SettingsPanelCommand(key, CurrentDesktopFacts()));
}

// There is no assisted-telephony service on Linux: a registered tel: handler (a softphone, a
// paired telephone) is the dialing application, and xdg-open hands it the number. The requesting
// application has no place in that hand-over.
int LinuxShell::Dial(const std::string& number, const std::string& /*requestingApplication*/) {
    if (number.empty()) return kDialInvalidNumber;
    const auto query = RunAndCapture({"xdg-mime", "query", "default", "x-scheme-handler/tel"},
                                     kHandlerQueryMaxBytes, kHandlerQueryTimeout);
    switch (query.outcome) {
        case CapturedOutput::Outcome::NotStarted:
            return kDialNoApplication;
        case CapturedOutput::Outcome::TimedOut:
        case CapturedOutput::Outcome::TooMuchOutput:
            // Whether a dialer exists is unknown, and claiming there is none would mislead.
            return kDialFailed;
        case CapturedOutput::Outcome::Exited:
            break;
    }
    if (query.exitStatus != 0 || FirstLineTrimmed(query.output).empty()) return kDialNoApplication;
    try {
        StartDetached({"xdg-open", "tel:" + number});
    } catch (const ServiceError&) {
        return kDialFailed;
    }
    return kDialPlaced;
}

std::string LinuxShell::SpecialFolder(const std::string& name) {
    // Names without a Linux equivalent answer empty text: AllUsersDesktop (no desktop shared by
    // all users), Favorites, NetHood, PrintHood, SendTo, and Recent, whose Linux counterpart is
    // the file recently-used.xbel, not a folder one could open.
    static constexpr std::array<std::string_view, 6> kWithoutEquivalent = {
        "AllUsersDesktop", "Favorites", "NetHood", "PrintHood", "Recent", "SendTo"};
    if (std::any_of(kWithoutEquivalent.begin(), kWithoutEquivalent.end(),
                    [&name](std::string_view known) { return EqualCaseBlind(name, known); })) {
        return {};
    }
    if (EqualCaseBlind(name, "Desktop")) return UserDir("XDG_DESKTOP_DIR");
    if (EqualCaseBlind(name, "MyDocuments")) return UserDir("XDG_DOCUMENTS_DIR");
    if (EqualCaseBlind(name, "Templates")) return UserDir("XDG_TEMPLATES_DIR");
    if (EqualCaseBlind(name, "Startup")) return ConfigHome() + "/autostart";
    // The freedesktop menus are built from .desktop files; there is no folder tree of menus.
    if (EqualCaseBlind(name, "Programs") || EqualCaseBlind(name, "StartMenu")) {
        return DataHome() + "/applications";
    }
    if (EqualCaseBlind(name, "Fonts")) return DataHome() + "/fonts";
    if (EqualCaseBlind(name, "AllUsersPrograms") || EqualCaseBlind(name, "AllUsersStartMenu")) {
        return "/usr/share/applications";
    }
    if (EqualCaseBlind(name, "AllUsersStartup")) return "/etc/xdg/autostart";
    return {};
}

// The hot key and the window style have no place in a launcher file and are not written.
void LinuxShell::CreateShortcut(const ShortcutSpec& shortcut) {
    if (shortcut.shortcutPath.empty()) throw ServiceError("the shortcut has no file name");
    if (shortcut.targetPath.empty()) throw ServiceError("the shortcut has no target");
    std::string name = FileStem(shortcut.shortcutPath);
    if (name.empty()) name = shortcut.description;
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
    text += "Name=" + EscapeDesktopString(name) + "\n";
    if (!shortcut.description.empty()) text += "Comment=" + EscapeDesktopString(shortcut.description) + "\n";
    text += "Exec=" + EscapeDesktopString(QuoteExecArgument(shortcut.targetPath)) + "\n";
    if (!shortcut.workingDirectory.empty()) {
        text += "Path=" + EscapeDesktopString(shortcut.workingDirectory) + "\n";
    }
    const std::string icon = WithoutIconIndex(shortcut.iconLocation);
    if (!icon.empty()) text += "Icon=" + EscapeDesktopString(icon) + "\n";
    text += "Terminal=false\n";
    // GNOME and others start a launcher on the desktop only when it is executable.
    WriteFileAtomically(shortcut.shortcutPath, text, AtomicWriteOptions{true});
}

std::string LinuxShell::AutostartEntryPath(const std::string& valuePath) {
    const auto cut = valuePath.find_last_of('\\');
    if (cut == std::string::npos ||
        !EqualCaseBlind(std::string_view(valuePath).substr(0, cut), kStartupKey)) {
        throw ServiceError("this registry value has no equivalent on Linux: " + valuePath);
    }
    const std::string name = valuePath.substr(cut + 1);
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of(std::string("/\0", 2)) != std::string::npos) {
        throw ServiceError("not a usable start-up value name: \"" + name + "\"");
    }
    return ConfigHome() + "/autostart/" + name + ".desktop";
}

std::string LinuxShell::RegRead(const std::string& valuePath) {
    const std::string path = AutostartEntryPath(valuePath);
    const auto text = ReadFileIfPresent(path, kMaxSmallFileBytes);
    // Hidden=true is how the autostart convention marks an entry as deleted.
    const auto hidden = text ? DesktopEntryValue(*text, "Hidden") : std::nullopt;
    if (!text || (hidden && *hidden == "true")) throw ServiceError("no value " + valuePath);
    const auto exec = DesktopEntryValue(*text, "Exec");
    if (!exec) throw ServiceError("the autostart entry has no command: " + path);
    const std::string command = UnescapeDesktopString(*exec);
    const auto words = SplitExecValue(command);
    return words && words->size() == 1 ? words->front() : command;
}

void LinuxShell::RegWrite(const std::string& valuePath, const std::string& value) {
    const std::string path = AutostartEntryPath(valuePath);
    const std::string name = valuePath.substr(valuePath.find_last_of('\\') + 1);
    if (value.empty()) throw ServiceError("an autostart entry needs a program to start");
    std::string text = "[Desktop Entry]\nType=Application\n";
    text += "Name=" + EscapeDesktopString(name) + "\n";
    text += "Exec=" + EscapeDesktopString(QuoteExecArgument(value)) + "\n";
    const auto cut = value.find_last_of('/');
    if (cut != std::string::npos) text += "Path=" + EscapeDesktopString(value.substr(0, cut + 1)) + "\n";
    text += "Terminal=false\nX-GNOME-Autostart-enabled=true\n";
    const std::string folder = path.substr(0, path.find_last_of('/'));
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw SystemError("cannot create the autostart folder " + folder, error.value());
    WriteFileAtomically(path, text);
}

void LinuxShell::RegDelete(const std::string& valuePath) {
    const std::string path = AutostartEntryPath(valuePath);
    if (::unlink(path.c_str()) != 0) {
        if (errno == ENOENT) throw ServiceError("no value " + valuePath);
        throw SystemError("cannot remove " + path, errno);
    }
}

}  // namespace orbilo::platform
