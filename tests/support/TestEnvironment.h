// Gives the test process a private, freshly made HOME and XDG folders, removed at exit.
#pragma once

#include <string>

namespace orbilo::test {

// Creates the folders and points HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME and
// XDG_RUNTIME_DIR at them. Must run before anything reads those variables.
void EnterPrivateHome();
// The private HOME made by EnterPrivateHome.
const std::string& PrivateHome();
// A new empty folder below the private HOME.
std::string MakeTempFolder(const std::string& hint);

}  // namespace orbilo::test
