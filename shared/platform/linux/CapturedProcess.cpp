// posix_spawnp with a pipe on standard output, a poll loop against a deadline, and the child in
// a process group of its own so that an overrun can be ended as a whole.
#include "platform/linux/CapturedProcess.h"
#include "platform/linux/DetachedProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace orbilo::platform {
namespace {

using Clock = std::chrono::steady_clock;

class Descriptor {
  public:
    Descriptor() = default;
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int& Ref() { return m_fd; }
    int Get() const { return m_fd; }
    void Close() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }

  private:
    int m_fd = -1;
};

class FileActions {
  public:
    FileActions() : m_ready(::posix_spawn_file_actions_init(&m_actions) == 0) {}
    ~FileActions() {
        if (m_ready) ::posix_spawn_file_actions_destroy(&m_actions);
    }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    bool Ready() const { return m_ready; }
    posix_spawn_file_actions_t* Get() { return &m_actions; }

  private:
    posix_spawn_file_actions_t m_actions;
    bool m_ready;
};

class Attributes {
  public:
    Attributes() : m_ready(::posix_spawnattr_init(&m_attributes) == 0) {
        if (!m_ready) return;
        ::posix_spawnattr_setpgroup(&m_attributes, 0);
        ResetChildSignals(m_attributes, POSIX_SPAWN_SETPGROUP);
    }
    ~Attributes() {
        if (m_ready) ::posix_spawnattr_destroy(&m_attributes);
    }
    Attributes(const Attributes&) = delete;
    Attributes& operator=(const Attributes&) = delete;
    bool Ready() const { return m_ready; }
    const posix_spawnattr_t* Get() const { return &m_attributes; }

  private:
    posix_spawnattr_t m_attributes;
    bool m_ready;
};

// The exit code, or -1 for a death by signal or a child the system reaped for us (SIGCHLD
// ignored).
int WaitBlocking(pid_t child) {
    int status = 0;
    pid_t got;
    while ((got = ::waitpid(child, &status, 0)) < 0 && errno == EINTR) {
    }
    return got == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void KillGroupAndReap(pid_t child) {
    ::kill(-child, SIGKILL);
    WaitBlocking(child);
}

}  // namespace

CapturedOutput RunAndCapture(const std::vector<std::string>& arguments, std::size_t maxBytes,
                             std::chrono::milliseconds timeout) {
    CapturedOutput result;
    if (arguments.empty() || arguments.front().empty()) return result;
    const auto deadline = Clock::now() + timeout;

    Descriptor readEnd;
    Descriptor writeEnd;
    {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) return result;
        readEnd.Ref() = ends[0];
        writeEnd.Ref() = ends[1];
    }
    FileActions actions;
    const Attributes attributes;
    if (!actions.Ready() || !attributes.Ready()) return result;
    // dup2 clears close-on-exec on the copy, so only standard output reaches the child.
    if (::posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0) != 0 ||
        ::posix_spawn_file_actions_adddup2(actions.Get(), writeEnd.Get(), STDOUT_FILENO) != 0 ||
        ::posix_spawn_file_actions_addopen(actions.Get(), STDERR_FILENO, "/dev/null", O_WRONLY, 0) != 0) {
        return result;
    }

    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawnp(&child, argv.front(), actions.Get(), attributes.Get(), argv.data(), environ) != 0) {
        return result;
    }
    // Our copy of the write end must go, or the end of the child's output would never show.
    writeEnd.Close();

    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            KillGroupAndReap(child);
            result.outcome = CapturedOutput::Outcome::TimedOut;
            return result;
        }
        pollfd watch{readEnd.Get(), POLLIN, 0};
        const int ready = ::poll(&watch, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR) {
            KillGroupAndReap(child);
            result.outcome = CapturedOutput::Outcome::TimedOut;
            return result;
        }
        if (ready <= 0) continue;
        const ssize_t got = ::read(readEnd.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            break;  // treated like the end of the output; the exit status still decides
        }
        if (got == 0) break;
        if (result.output.size() + static_cast<std::size_t>(got) > maxBytes) {
            KillGroupAndReap(child);
            result.outcome = CapturedOutput::Outcome::TooMuchOutput;
            return result;
        }
        result.output.append(buffer, static_cast<std::size_t>(got));
    }

    // The output is closed; the program may still linger, so its end is awaited against the same
    // deadline.
    for (;;) {
        int status = 0;
        const pid_t got = ::waitpid(child, &status, WNOHANG);
        if (got == child) {
            result.outcome = CapturedOutput::Outcome::Exited;
            result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return result;
        }
        if (got < 0 && errno != EINTR) {
            result.outcome = CapturedOutput::Outcome::Exited;  // reaped by the system; status unknown
            return result;
        }
        if (Clock::now() >= deadline) {
            KillGroupAndReap(child);
            result.outcome = CapturedOutput::Outcome::TimedOut;
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace orbilo::platform
