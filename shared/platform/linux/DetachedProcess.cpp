// posix_spawnp with a new session, and a reaper thread per child.
#include "platform/linux/DetachedProcess.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

#include "platform/linux/SystemError.h"

extern char** environ;

namespace orbilo::platform {
namespace {

class SpawnAttributes {
  public:
    SpawnAttributes() {
        if (::posix_spawnattr_init(&m_attributes) != 0) throw ServiceError("cannot prepare a program start");
        // Its own session: closing this program's terminal or process group leaves it running.
        ResetChildSignals(m_attributes, POSIX_SPAWN_SETSID);
    }
    ~SpawnAttributes() { ::posix_spawnattr_destroy(&m_attributes); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;
    const posix_spawnattr_t* Get() const { return &m_attributes; }

  private:
    posix_spawnattr_t m_attributes;
};

}  // namespace

void ResetChildSignals(posix_spawnattr_t& attributes, short flags) {
    sigset_t signals;
    sigfillset(&signals);
    sigdelset(&signals, SIGKILL);
    sigdelset(&signals, SIGSTOP);
    ::posix_spawnattr_setsigdefault(&attributes, &signals);
    sigemptyset(&signals);
    ::posix_spawnattr_setsigmask(&attributes, &signals);
    ::posix_spawnattr_setflags(&attributes,
                               static_cast<short>(flags | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK));
}

void StartDetached(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments.front().empty()) throw ServiceError("no program to start");
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const SpawnAttributes attributes;
    pid_t child = 0;
    // glibc reports a failed exec (missing program, no execute permission) as the result here.
    const int result = ::posix_spawnp(&child, argv.front(), nullptr, attributes.Get(), argv.data(), environ);
    if (result != 0) throw SystemError("cannot start " + arguments.front(), result);

    try {
        std::thread([child] {
            while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        // The program runs; without a thread to wait for it, it lingers as a zombie until we exit.
    }
}

}  // namespace orbilo::platform
