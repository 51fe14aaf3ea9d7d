// Temporary file, fsync, rename: the write path of every data file.
#include "platform/linux/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "platform/linux/SystemError.h"

namespace orbilo::platform {
namespace {

constexpr std::size_t kMaxTempStemBytes = 200;  // leaves room for the suffix within NAME_MAX
constexpr int kTempNameAttempts = 64;

std::string FolderOf(const std::string& path) {
    const auto cut = path.find_last_of('/');
    if (cut == std::string::npos) return ".";
    if (cut == 0) return "/";
    return path.substr(0, cut);
}

std::string NameOf(const std::string& path) {
    const auto cut = path.find_last_of('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string RandomSuffix() {
    thread_local std::mt19937_64 generator{std::random_device{}()};
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(generator()));
    return text;
}

// A data file reached through a symbolic link is replaced where it really lives.
std::string ResolveTarget(const std::string& path) {
    if (path.empty()) throw ServiceError("cannot write a file without a name");
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
    }
    return path;
}

// The temporary file beside the target. Removed on destruction unless it was renamed away.
class TempFile {
  public:
    TempFile(const std::string& target, mode_t creationMode) {
        const std::string stem =
            FolderOf(target) + "/." + NameOf(target).substr(0, kMaxTempStemBytes) + ".tmp-";
        for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
            std::string candidate = stem + RandomSuffix();
            // Creating with a mode (not mkstemp's 0600) lets the kernel apply the umask.
            m_fd =
                ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, creationMode);
            if (m_fd >= 0) {
                m_path = std::move(candidate);
                return;
            }
            if (errno != EEXIST) throw SystemError("cannot create a temporary file for " + target, errno);
        }
        throw ServiceError("cannot find a free temporary name for " + target);
    }
    ~TempFile() {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_path.empty()) ::unlink(m_path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int Fd() const { return m_fd; }
    const std::string& Path() const { return m_path; }

    void Write(const char* data, std::size_t size, const std::string& target) {
        while (size > 0) {
            const ssize_t written = ::write(m_fd, data, size);
            if (written < 0) {
                if (errno == EINTR) continue;
                throw SystemError("cannot write " + target, errno);
            }
            data += written;
            size -= static_cast<std::size_t>(written);
        }
    }

    // Flushes to the disk and closes; close() can report a delayed write error (NFS, quota).
    void Finish(const std::string& target) {
        if (::fsync(m_fd) != 0) throw SystemError("cannot flush " + target, errno);
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0) throw SystemError("cannot write " + target, errno);
    }

    void RenameOver(const std::string& target) {
        if (::rename(m_path.c_str(), target.c_str()) != 0) {
            throw SystemError("cannot replace " + target, errno);
        }
        m_path.clear();
    }

    // Puts the file in place only when nothing is there yet. FAT sticks know neither
    // RENAME_NOREPLACE on older kernels nor hard links, so the last resort is check-then-rename.
    void PlaceWithoutReplacing(const std::string& target) {
        if (::renameat2(AT_FDCWD, m_path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
            m_path.clear();
            return;
        }
        if (errno == EEXIST) throw ServiceError("cannot copy to " + target + ": it exists already");
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
            throw SystemError("cannot create " + target, errno);
        }
        if (::link(m_path.c_str(), target.c_str()) == 0) return;  // the destructor drops the temporary name
        if (errno == EEXIST) throw ServiceError("cannot copy to " + target + ": it exists already");
        if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) {
            throw SystemError("cannot create " + target, errno);
        }
        struct stat existing {};
        if (::lstat(target.c_str(), &existing) == 0) {
            throw ServiceError("cannot copy to " + target + ": it exists already");
        }
        RenameOver(target);
    }

  private:
    int m_fd = -1;
    std::string m_path;
};

// The rename is only durable once the folder's entry is on the disk. Not every file system can
// sync a folder; the file itself is already safe then, so a failure here is not reported.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

mode_t WithExecuteBits(mode_t mode) {
    return mode | ((mode & 0444) >> 2);
}

// Fails early and clearly where the rename would fail late.
void RejectFolderTarget(const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        throw ServiceError("cannot write " + target + ": it is a folder");
    }
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes, AtomicWriteOptions options) {
    const std::string target = ResolveTarget(path);
    RejectFolderTarget(target);

    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);

    TempFile temp(target, 0666);
    mode_t mode = 0;
    if (replacing) {
        mode = existing.st_mode & 07777;
    } else {
        struct stat created {};
        if (::fstat(temp.Fd(), &created) != 0) throw SystemError("cannot examine " + temp.Path(), errno);
        mode = created.st_mode & 07777;
    }
    if (options.executable) mode = WithExecuteBits(mode);
    if (::fchmod(temp.Fd(), mode) != 0) throw SystemError("cannot set the permissions of " + target, errno);

    temp.Write(bytes.data(), bytes.size(), target);
    temp.Finish(target);
    temp.RenameOver(target);
    SyncFolder(FolderOf(target));
}

void CopyFileAtomically(const std::string& source, const std::string& destination, bool overwrite) {
    if (destination.empty()) throw ServiceError("cannot copy " + source + " to a file without a name");
    std::string target = destination.back() == '/' ? destination + NameOf(source) : destination;
    target = ResolveTarget(target);
    RejectFolderTarget(target);

    const int input = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (input < 0) throw SystemError("cannot open " + source, errno);
    struct InputCloser {
        int fd;
        ~InputCloser() { ::close(fd); }
    } closer{input};
    struct stat info {};
    if (::fstat(input, &info) != 0) throw SystemError("cannot examine " + source, errno);
    if (!S_ISREG(info.st_mode)) throw ServiceError("not a regular file: " + source);

    struct stat existing {};
    if (!overwrite && ::lstat(target.c_str(), &existing) == 0) {
        throw ServiceError("cannot copy to " + target + ": it exists already");
    }

    // Like cp: the source's permission bits, less the umask.
    TempFile temp(target, info.st_mode & 0777);
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(input, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw SystemError("cannot read " + source, errno);
        }
        if (got == 0) break;
        temp.Write(buffer, static_cast<std::size_t>(got), target);
    }
    temp.Finish(target);
    if (overwrite) {
        temp.RenameOver(target);
    } else {
        temp.PlaceWithoutReplacing(target);
    }
    SyncFolder(FolderOf(target));
}

}  // namespace orbilo::platform
