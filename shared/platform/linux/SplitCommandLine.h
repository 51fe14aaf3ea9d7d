// Turns a command line into the program and its arguments the way a POSIX shell splits words,
// without anything else a shell does: no variables, no globbing, no pipes or redirections.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orbilo::platform {

// Words are separated by spaces, tabs and line feeds. 'single quotes' keep everything;
// "double quotes" keep everything but \" \\ \$ \` and backslash-newline; outside quotes a
// backslash keeps the next character, and backslash-newline joins lines. A trailing lone
// backslash stays a backslash. Throws ServiceError for an unterminated quote.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

}  // namespace orbilo::platform
