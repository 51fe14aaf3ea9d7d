#include "TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace orbilo::test {
namespace {

std::string g_home;

void RemoveHome() {
    std::error_code ignored;
    if (!g_home.empty()) std::filesystem::remove_all(g_home, ignored);
}

}  // namespace

void EnterPrivateHome() {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "orbilo-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a test HOME");
    g_home = pattern;
    std::atexit(RemoveHome);
    const auto set = [](const char* name, const fs::path& path) {
        fs::create_directories(path);
        setenv(name, path.c_str(), 1);
    };
    const fs::path home(g_home);
    set("HOME", home);
    set("XDG_CONFIG_HOME", home / ".config");
    set("XDG_DATA_HOME", home / ".local/share");
    set("XDG_CACHE_HOME", home / ".cache");
    set("XDG_RUNTIME_DIR", home / "runtime");
    fs::permissions(home / "runtime", fs::perms::owner_all, fs::perm_options::replace);
}

const std::string& PrivateHome() {
    return g_home;
}

std::string MakeTempFolder(const std::string& hint) {
    std::string pattern = g_home + "/" + hint + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a test folder");
    return pattern;
}

}  // namespace orbilo::test
