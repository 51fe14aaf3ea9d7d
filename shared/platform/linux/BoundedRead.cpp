// Bounded, non-blocking whole-file reads for data files, settings and kernel tables.
#include "platform/linux/BoundedRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/linux/SystemError.h"

namespace orbilo::platform {
namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }

  private:
    int m_fd;
};

// nullopt only for a missing file when missingIsAbsent is set.
std::optional<std::string> Read(const std::string& path, std::size_t maxBytes, bool missingIsAbsent) {
    if (path.empty()) throw ServiceError("cannot read a file without a name");
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.Get() < 0) {
        const int error = errno;
        if (missingIsAbsent && (error == ENOENT || error == ENOTDIR)) return std::nullopt;
        throw SystemError("cannot open " + path, error);
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) throw SystemError("cannot examine " + path, errno);
    if (!S_ISREG(info.st_mode)) throw ServiceError("not a regular file: " + path);
    if (static_cast<unsigned long long>(info.st_size) > maxBytes) {
        throw ServiceError("file too large: " + path);
    }

    // Files under /proc report a size of 0, and any file may grow while it is read: read until
    // the end, but never past the cap.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw SystemError("cannot read " + path, errno);
        }
        if (got == 0) break;
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
            throw ServiceError("file too large: " + path);
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    return *Read(path, maxBytes, false);
}

std::optional<std::string> ReadFileIfPresent(const std::string& path, std::size_t maxBytes) {
    return Read(path, maxBytes, true);
}

}  // namespace orbilo::platform
