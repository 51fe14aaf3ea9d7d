// The single-instance beacon on Linux: a lock file held for the program's lifetime, and a local
// socket, reachable by this user only, on which a second start asks the first to come forward.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "services/InstanceBeacon.h"

class QLocalServer;
class QLocalSocket;
class QLockFile;

namespace orbilo::platform {

class LocalSocketBeacon : public InstanceBeacon {
  public:
    // runtimeFolder empty: $XDG_RUNTIME_DIR, else a private folder /tmp/orbilo-<uid>.
    explicit LocalSocketBeacon(std::string runtimeFolder = {});
    ~LocalSocketBeacon() override;
    LocalSocketBeacon(const LocalSocketBeacon&) = delete;
    LocalSocketBeacon& operator=(const LocalSocketBeacon&) = delete;

    // Takes "<title>.lock" (a lock left by a dead process is taken over) and listens on
    // "<title>.socket" in the runtime folder. Incoming requests are served by the event loop of
    // the calling (user-interface) thread. Throws ServiceError when the runtime folder or the
    // lock file cannot be used at all.
    bool Claim(const std::string& title) override;
    // Blocks for at most a few seconds: waits up to 1.5 s for the holder to listen, then up to
    // 2 s for its acknowledgement.
    bool Activate(const std::string& title) override;
    void SetActivateHandler(std::function<void()> handler) override;

    // The title as it appears in file names: letters, digits, '.', '-' and '_'; others become '_'.
    static std::string FileStem(const std::string& title);

  private:
    std::string RuntimeFolder(bool create) const;
    void ServeConnection(QLocalSocket* socket);

    std::string m_runtimeFolder;
    std::string m_claimedTitle;
    std::function<void()> m_handler;
    // Declared before the server: the socket goes away before the lock is released.
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

}  // namespace orbilo::platform
