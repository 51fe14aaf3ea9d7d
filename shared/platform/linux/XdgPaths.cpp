// HOME and the XDG base folders.
#include "platform/linux/XdgPaths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "services/ServiceError.h"

namespace orbilo::platform {
namespace {

// The base-directory conventions ignore relative values.
std::string AbsoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return {};
    return value;
}

}  // namespace

std::string HomeFolder() {
    std::string home = AbsoluteVariable("HOME");
    if (!home.empty()) return home;
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] == '/') {
        return found->pw_dir;
    }
    throw ServiceError("the user's home folder is unknown");
}

std::string ConfigHome() {
    std::string folder = AbsoluteVariable("XDG_CONFIG_HOME");
    return folder.empty() ? HomeFolder() + "/.config" : folder;
}

std::string DataHome() {
    std::string folder = AbsoluteVariable("XDG_DATA_HOME");
    return folder.empty() ? HomeFolder() + "/.local/share" : folder;
}

}  // namespace orbilo::platform
