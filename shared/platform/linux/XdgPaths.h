// The per-user folders of the freedesktop base-directory conventions, read from the environment
// at each call so that a changed HOME or XDG variable (tests, sessions) is honoured.
#pragma once

#include <string>

namespace orbilo::platform {

// $HOME, else the password database's home folder. Throws ServiceError when neither gives one.
std::string HomeFolder();
// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
std::string ConfigHome();
// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
std::string DataHome();

}  // namespace orbilo::platform
