// Read-modify-write of the settings INI file under a lock shared by both programs.
#include "platform/linux/IniSettingsStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/linux/AtomicFile.h"
#include "platform/linux/BoundedRead.h"
#include "platform/linux/SystemError.h"
#include "platform/linux/XdgPaths.h"
#include "services/FileSystem.h"

namespace orbilo::platform {
namespace {

// The other program holds the lock only for one read and one write; a holder that takes longer
// is hung, and waiting for it forever would freeze this program's window.
constexpr auto kLockPatience = std::chrono::seconds(5);
constexpr auto kLockRetryPause = std::chrono::milliseconds(10);

// The lock lives in a file of its own: the INI file is replaced by rename at every write, and a
// lock on the replaced file would protect nothing.
class SettingsLock {
  public:
    explicit SettingsLock(const std::string& path) {
        m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (m_fd < 0) throw SystemError("cannot open the settings lock " + path, errno);
        const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
        while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error != EWOULDBLOCK && error != EINTR) {
                ::close(m_fd);
                throw SystemError("cannot lock " + path, error);
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                ::close(m_fd);
                throw ServiceError("the settings stay locked by another program: " + path);
            }
            std::this_thread::sleep_for(kLockRetryPause);
        }
    }
    ~SettingsLock() { ::close(m_fd); }  // closing releases the lock
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

  private:
    int m_fd = -1;
};

}  // namespace

IniSettingsStore::IniSettingsStore(std::string configFolder) : m_configFolder(std::move(configFolder)) {}

std::string IniSettingsStore::ApplicationFolder(const std::string& application) const {
    if (application.empty() || application == "." || application == ".." ||
        application.find_first_of(std::string("/\0", 2)) != std::string::npos) {
        throw ServiceError("not a usable settings application name: \"" + application + "\"");
    }
    return (m_configFolder.empty() ? ConfigHome() : m_configFolder) + "/" + application;
}

std::string IniSettingsStore::FilePath(const std::string& application) const {
    return ApplicationFolder(application) + "/" + application + ".ini";
}

// No lock for reading: the writer renames a complete file into place, so a reader sees the old
// file or the new one. Damaged contents read as empty values; a file that cannot be read at all
// is an error, so that a later write never replaces what could not be seen.
IniFile IniSettingsStore::Load(const std::string& path) const {
    const auto text = ReadFileIfPresent(path, FileSystem::kMaxDataFileBytes);
    return text ? IniFile::Parse(*text) : IniFile();
}

std::string IniSettingsStore::GetSetting(const std::string& application, const std::string& section,
                                         const std::string& key) {
    return Load(FilePath(application)).Get(section, key);
}

void IniSettingsStore::SaveSetting(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& value) {
    const std::string folder = ApplicationFolder(application);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw SystemError("cannot create the settings folder " + folder, error.value());
    const std::string path = FilePath(application);
    SettingsLock lock(path + ".lock");
    IniFile file = Load(path);
    if (file.Contains(section, key) && file.Get(section, key) == value) return;
    file.Set(section, key, value);
    WriteFileAtomically(path, file.Serialize());
}

void IniSettingsStore::DeleteSetting(const std::string& application, const std::string& section,
                                     const std::string& key) {
    const std::string path = FilePath(application);
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) return;  // nothing to delete, no folder to create
    SettingsLock lock(path + ".lock");
    IniFile file = Load(path);
    if (file.Remove(section, key)) WriteFileAtomically(path, file.Serialize());
}

}  // namespace orbilo::platform
