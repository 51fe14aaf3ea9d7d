// Lock file plus local socket: one instance per user and title, and "come forward" requests.
#include "platform/linux/LocalSocketBeacon.h"

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/linux/BeaconMessage.h"
#include "platform/linux/SystemError.h"

namespace orbilo::platform {
namespace {

// Long enough for a starting holder to get from its lock to listening.
constexpr auto kListenPatience = std::chrono::milliseconds(1500);
constexpr auto kConnectRetryPause = std::chrono::milliseconds(50);
// The holder answers from its event loop, which a busy moment may hold up briefly.
constexpr int kAcknowledgePatienceMs = 2000;
// A client that connects and then says nothing is dropped after this.
constexpr int kConnectionLifetimeMs = 2000;
constexpr std::size_t kMaxFileStemBytes = 64;

class SocketCloser {
  public:
    explicit SocketCloser(int fd) : m_fd(fd) {}
    ~SocketCloser() { ::close(m_fd); }
    SocketCloser(const SocketCloser&) = delete;
    SocketCloser& operator=(const SocketCloser&) = delete;

  private:
    int m_fd;
};

int ConnectTo(const std::string& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) return -1;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Whether waiting for the socket can still help: someone alive holds the lock.
bool LockHeldByLiveProcess(const std::string& lockPath) {
    const QLockFile lock(QString::fromStdString(lockPath));
    qint64 pid = 0;
    if (!lock.getLockInfo(&pid, nullptr, nullptr) || pid <= 0) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

LocalSocketBeacon::LocalSocketBeacon(std::string runtimeFolder) : m_runtimeFolder(std::move(runtimeFolder)) {}

LocalSocketBeacon::~LocalSocketBeacon() = default;

std::string LocalSocketBeacon::FileStem(const std::string& title) {
    std::string stem;
    for (const char c : title.substr(0, kMaxFileStemBytes)) {
        const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                          c == '.' || c == '-' || c == '_';
        stem += kept ? c : '_';
    }
    if (stem.empty() || stem.front() == '.') stem.insert(stem.begin(), '_');
    return stem;
}

std::string LocalSocketBeacon::RuntimeFolder(bool create) const {
    if (!m_runtimeFolder.empty()) return m_runtimeFolder;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat info {};
    if (runtime != nullptr && runtime[0] == '/' && ::stat(runtime, &info) == 0 && S_ISDIR(info.st_mode)) {
        return runtime;
    }
    // /tmp is shared: the folder must be ours alone, or another user could plant a socket in it.
    const uid_t user = ::getuid();
    const std::string folder = "/tmp/orbilo-" + std::to_string(user);
    if (create && ::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        throw SystemError("cannot create " + folder, errno);
    }
    if (::lstat(folder.c_str(), &info) != 0) throw SystemError("cannot use " + folder, errno);
    if (!S_ISDIR(info.st_mode) || info.st_uid != user || (info.st_mode & 077) != 0) {
        throw ServiceError("the folder " + folder + " is not private to this user");
    }
    return folder;
}

bool LocalSocketBeacon::Claim(const std::string& title) {
    if (m_lock) {
        if (title == m_claimedTitle) return true;
        m_server.reset();
        m_lock.reset();
        m_claimedTitle.clear();
    }
    const std::string base = RuntimeFolder(true) + "/" + FileStem(title);
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(base + ".lock"));
    // Never stale by age: only a lock whose process has died is taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError) return false;
        throw ServiceError("cannot take the instance lock " + base + ".lock");
    }

    // Holding the lock, any socket of this name is a crashed holder's leftover.
    const QString socketPath = QString::fromStdString(base + ".socket");
    QLocalServer::removeServer(socketPath);
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (server->listen(socketPath)) {
        QLocalServer* listening = server.get();
        QObject::connect(listening, &QLocalServer::newConnection, listening, [this, listening] {
            while (QLocalSocket* socket = listening->nextPendingConnection()) ServeConnection(socket);
        });
        m_server = std::move(server);
    }
    // Without a socket (a runtime path too long for a socket address) this program is still the
    // one instance; it only cannot be brought forward by a second start.
    m_lock = std::move(lock);
    m_claimedTitle = title;
    return true;
}

void LocalSocketBeacon::ServeConnection(QLocalSocket* socket) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kConnectionLifetimeMs, socket, [socket] { socket->abort(); });
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        char bytes[kMaxBeaconMessageBytes + 1];
        const qint64 got = socket->read(bytes, sizeof bytes);
        // One message per connection; more bytes than any message are not from the suite.
        if (got != 1 || bytes[0] != static_cast<char>(BeaconMessage::Activate)) {
            socket->abort();
            return;
        }
        const char answer = static_cast<char>(BeaconMessage::Acknowledge);
        socket->write(&answer, 1);
        socket->flush();
        socket->disconnectFromServer();
        if (m_handler) m_handler();
    });
}

bool LocalSocketBeacon::Activate(const std::string& title) {
    std::string folder;
    try {
        folder = RuntimeFolder(false);
    } catch (const ServiceError&) {
        return false;  // no usable folder: nobody can be listening in it
    }
    const std::string base = folder + "/" + FileStem(title);
    const auto deadline = std::chrono::steady_clock::now() + kListenPatience;
    int fd = -1;
    while ((fd = ConnectTo(base + ".socket")) < 0) {
        if (!LockHeldByLiveProcess(base + ".lock") || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kConnectRetryPause);
    }
    const SocketCloser closer(fd);

    const char message = static_cast<char>(BeaconMessage::Activate);
    if (::send(fd, &message, 1, MSG_NOSIGNAL) != 1) return false;
    pollfd readable{fd, POLLIN, 0};
    int ready = 0;
    do {
        ready = ::poll(&readable, 1, kAcknowledgePatienceMs);
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0) return false;
    char answer = 0;
    ssize_t got = 0;
    do {
        got = ::recv(fd, &answer, 1, 0);
    } while (got < 0 && errno == EINTR);
    return got == 1 && answer == static_cast<char>(BeaconMessage::Acknowledge);
}

void LocalSocketBeacon::SetActivateHandler(std::function<void()> handler) {
    m_handler = std::move(handler);
}

}  // namespace orbilo::platform
