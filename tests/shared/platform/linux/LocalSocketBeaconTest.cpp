// The single-instance beacon across real processes: the holder is found and brought forward,
// a dead holder's lock and socket are taken over, and stray messages are ignored.
#include "platform/linux/LocalSocketBeacon.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>

#include "TestFiles.h"
#include "platform/linux/BeaconMessage.h"
#include "support/TestEnvironment.h"

extern char** environ;

namespace orbilo::platform {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTitle = "Orbilo Korrin";
constexpr auto kPatience = std::chrono::seconds(20);

// Runs the event loop (the holder answers from it) until done() or the patience runs out.
bool PumpUntil(const std::function<bool()>& done) {
    QTimer tick;  // wakes the loop even when no event of ours arrives
    tick.start(10);
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

pid_t SpawnProbe(const std::vector<std::string>& arguments, int* output = nullptr) {
    std::vector<std::string> all = {ORBILO_BEACON_PROBE};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : all) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeEnds[2] = {-1, -1};
    if (output != nullptr) {
        if (::pipe(pipeEnds) != 0) return -1;
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    }
    pid_t child = -1;
    const int result = posix_spawn(&child, argv.front(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (output != nullptr) {
        ::close(pipeEnds[1]);
        *output = pipeEnds[0];
    }
    return result == 0 ? child : -1;
}

// The probe's exit code, serving our socket meanwhile; -1 when it did not end in time.
int RunProbeServing(const std::vector<std::string>& arguments) {
    const pid_t child = SpawnProbe(arguments);
    if (child < 0) return -1;
    int status = 0;
    const bool ended = PumpUntil([&] { return ::waitpid(child, &status, WNOHANG) == child; });
    if (!ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int ConnectRaw(const std::string& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

class LocalSocketBeaconTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::TestApplication();
        m_runtime = orbilo::test::MakeTempFolder("runtime");
        fs::permissions(m_runtime, fs::perms::owner_all, fs::perm_options::replace);
    }
    std::string SocketPath() const {
        return m_runtime + "/" + LocalSocketBeacon::FileStem(kTitle) + ".socket";
    }

    std::string m_runtime;
    int m_activations = 0;
};

TEST_F(LocalSocketBeaconTest, ASecondProcessCannotClaimAndBringsTheFirstForward) {
    LocalSocketBeacon first;  // in $XDG_RUNTIME_DIR, as the programs use it
    first.SetActivateHandler([this] { ++m_activations; });
    ASSERT_TRUE(first.Claim(kTitle));

    LocalSocketBeacon sameProcess;
    EXPECT_FALSE(sameProcess.Claim(kTitle));
    EXPECT_TRUE(sameProcess.Claim("OrbiloHelp Korrin"));  // each title is a beacon of its own

    EXPECT_EQ(RunProbeServing({"-", kTitle, "second"}), 0);
    EXPECT_EQ(m_activations, 1);
}

TEST_F(LocalSocketBeaconTest, ALockAndSocketLeftByADeadProcessAreTakenOver) {
    int output = -1;
    const pid_t holder = SpawnProbe({m_runtime, kTitle, "hold"}, &output);
    ASSERT_GT(holder, 0);
    pollfd readable{output, POLLIN, 0};
    ASSERT_EQ(::poll(&readable, 1, static_cast<int>(std::chrono::milliseconds(kPatience).count())), 1);
    char line[8] = {};
    EXPECT_GT(::read(output, line, sizeof line - 1), 0);
    ::close(output);
    EXPECT_STREQ(line, "held\n");
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ASSERT_TRUE(fs::exists(SocketPath()));  // what a crash leaves behind

    LocalSocketBeacon mine(m_runtime);
    EXPECT_FALSE(mine.Activate(kTitle));  // nobody answers on the leftover socket
    mine.SetActivateHandler([this] { ++m_activations; });
    ASSERT_TRUE(mine.Claim(kTitle));
    EXPECT_EQ(RunProbeServing({m_runtime, kTitle, "second"}), 0);
    EXPECT_EQ(m_activations, 1);
}

TEST_F(LocalSocketBeaconTest, StrayOrOversizedMessagesAreDroppedUnanswered) {
    LocalSocketBeacon holder(m_runtime);
    holder.SetActivateHandler([this] { ++m_activations; });
    ASSERT_TRUE(holder.Claim(kTitle));
    EXPECT_EQ(test::PermissionBits(SocketPath()) & 077, 0u);  // no other user may connect

    const std::string strays[] = {std::string("\x7f"), std::string(5, '\x01'), std::string()};
    for (const auto& stray : strays) {
        const int fd = ConnectRaw(SocketPath());
        ASSERT_GE(fd, 0);
        if (!stray.empty()) {
            ASSERT_EQ(::send(fd, stray.data(), stray.size(), MSG_NOSIGNAL),
                      static_cast<ssize_t>(stray.size()));
        }
        char answer[8];
        ssize_t got = -1;
        // The holder closes the connection without an answer (a silent client after a while).
        EXPECT_TRUE(PumpUntil([&] {
            got = ::recv(fd, answer, sizeof answer, MSG_DONTWAIT);
            return got >= 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        }));
        EXPECT_LE(got, 0) << "answered a stray message of " << stray.size() << " bytes";
        ::close(fd);
    }
    EXPECT_EQ(m_activations, 0);

    const int fd = ConnectRaw(SocketPath());
    ASSERT_GE(fd, 0);
    const char activate = static_cast<char>(BeaconMessage::Activate);
    ASSERT_EQ(::send(fd, &activate, 1, MSG_NOSIGNAL), 1);
    char answer = 0;
    EXPECT_TRUE(PumpUntil([&] { return ::recv(fd, &answer, 1, MSG_DONTWAIT) == 1; }));
    ::close(fd);
    EXPECT_EQ(answer, static_cast<char>(BeaconMessage::Acknowledge));
    EXPECT_EQ(m_activations, 1);
}

TEST_F(LocalSocketBeaconTest, ActivatingATitleNobodyHoldsFails) {
    EXPECT_FALSE(LocalSocketBeacon(m_runtime).Activate("OrbiloHelp Korrin"));
}

}  // namespace
}  // namespace orbilo::platform
