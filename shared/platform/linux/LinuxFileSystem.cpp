// Drives, existence tests, folders and whole-file access on Linux.
#include "platform/linux/LinuxFileSystem.h"

#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/linux/AtomicFile.h"
#include "platform/linux/BoundedRead.h"
#include "platform/linux/SystemError.h"

namespace orbilo::platform {
namespace {

namespace fs = std::filesystem;

// File managers (Nautilus, Dolphin, Thunar, PCManFM) hide the names listed in this file.
constexpr const char* kHiddenListName = ".hidden";
constexpr std::size_t kMaxHiddenListBytes = 1024u * 1024u;

std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

bool StatIs(const std::string& path, bool folder) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return false;
    return folder ? S_ISDIR(info.st_mode) : S_ISREG(info.st_mode);
}

}  // namespace

LinuxFileSystem::LinuxFileSystem(MountTable mounts) : m_mounts(std::move(mounts)) {}

std::string LinuxFileSystem::GetDriveName(const std::string& path) {
    if (path.empty()) throw ServiceError("an empty path lies on no drive");
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    if (error) throw SystemError("cannot make " + path + " absolute", error.value());
    // A link into a stick's folder lies on the stick: follow links as far as the path exists.
    const fs::path resolved = fs::weakly_canonical(absolute, error);
    if (!error) absolute = resolved;
    const auto mount = m_mounts.MountOf(absolute.string());
    if (!mount) throw ServiceError("no mounted volume holds " + path);
    return mount->mountPoint;
}

DriveInfo LinuxFileSystem::GetDrive(const std::string& driveName) {
    const auto mount = m_mounts.MountAt(driveName);
    if (!mount) throw ServiceError("no volume is mounted at " + driveName);
    return DriveInfo{static_cast<int>(m_mounts.Classify(*mount)), mount->mountPoint};
}

bool LinuxFileSystem::FileExists(const std::string& path) {
    return StatIs(path, false);
}

bool LinuxFileSystem::IsProgramFile(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    // The suite's own executables carry ".bin" so that they can sit on a case-blind FAT stick,
    // where execute bits do not survive.
    constexpr std::string_view kSuffix = ".bin";
    const bool suffix = path.size() >= kSuffix.size() &&
                        path.compare(path.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0;
    return suffix || (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}

bool LinuxFileSystem::FolderExists(const std::string& path) {
    return StatIs(path, true);
}

void LinuxFileSystem::CreateFolder(const std::string& path) {
    if (path.empty()) throw ServiceError("cannot create a folder without a name");
    const int error = ::mkdir(path.c_str(), 0777) == 0 ? 0 : errno;
    if (!FolderExists(path)) {
        throw SystemError("cannot create the folder " + path, error != 0 ? error : EEXIST);
    }
}

void LinuxFileSystem::SetFolderHidden(const std::string& path) {
    const std::string folder = WithoutTrailingSeparators(path);
    if (!FolderExists(folder)) throw ServiceError("no such folder: " + path);
    const auto cut = folder.find_last_of('/');
    const std::string name = cut == std::string::npos ? folder : folder.substr(cut + 1);
    if (name.empty() || name == "." || name == ".." || name.find('\n') != std::string::npos) {
        throw ServiceError("cannot hide the folder " + path);
    }
    if (name.front() == '.') return;  // hidden by its name already
    const std::string parent = cut == std::string::npos ? "." : (cut == 0 ? "/" : folder.substr(0, cut));
    const std::string listPath = (parent == "/" ? std::string() : parent) + "/" + kHiddenListName;

    std::string list = ReadFileIfPresent(listPath, kMaxHiddenListBytes).value_or(std::string());
    std::size_t start = 0;
    while (start < list.size()) {
        const auto end = std::min(list.find('\n', start), list.size());
        if (list.compare(start, end - start, name) == 0) return;
        start = end + 1;
    }
    if (!list.empty() && list.back() != '\n') list += '\n';
    list += name;
    list += '\n';
    WriteFileAtomically(listPath, list);
}

std::string LinuxFileSystem::GetFileVersion(const std::string& /*path*/) {
    return {};
}

void LinuxFileSystem::CopyFile(const std::string& source, const std::string& destination, bool overwrite) {
    CopyFileAtomically(source, destination, overwrite);
}

std::string LinuxFileSystem::ReadFile(const std::string& path) {
    return ReadWholeFile(path, kMaxDataFileBytes);
}

void LinuxFileSystem::WriteFile(const std::string& path, const std::string& content) {
    WriteFileAtomically(path, content);
}

}  // namespace orbilo::platform
