// File helpers and the shared application object of the backend tests.
#include "TestFiles.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace orbilo::platform::test {

void WriteText(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) throw std::runtime_error("cannot write fixture " + path);
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
}

unsigned PermissionBits(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) throw std::runtime_error("cannot stat " + path);
    return info.st_mode & 07777;
}

QGuiApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "orbilo_platform_linux_tests";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Never destroyed: tearing a QGuiApplication down after main() has returned is not safe.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    return *application;
}

}  // namespace orbilo::platform::test
