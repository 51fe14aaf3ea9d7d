// Reading and writing values of freedesktop .desktop files: launchers on the desktop and the
// autostart entries that stand in for the Windows start-up registration.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbilo::platform {

// A string value: backslash, line feed, tab and carriage return as \\ \n \t \r, and a leading
// space as \s, so the reader keeps it.
std::string EscapeDesktopString(std::string_view text);
std::string UnescapeDesktopString(std::string_view text);

// One argument of an Exec key, before string escaping: quoted when it holds a reserved
// character, with '%' doubled so it is not read as a field code.
std::string QuoteExecArgument(std::string_view argument);
// The arguments of an unescaped Exec value; nullopt for an unterminated quote. Field codes other
// than %% are kept as they stand.
std::optional<std::vector<std::string>> SplitExecValue(std::string_view exec);

// The raw (still escaped) value of a key in the [Desktop Entry] group; nullopt when absent.
std::optional<std::string> DesktopEntryValue(std::string_view fileText, std::string_view key);

}  // namespace orbilo::platform
