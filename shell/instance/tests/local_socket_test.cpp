// The single running copy's socket without Qt: asking a listener and waiting for its answer,
// what may be removed at the path, listeners of other users, paths too long for a socket
// address, and cleaning up.
#include "shell/instance/local_socket.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <vector>

namespace tabulor {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kAnswer = "raised\n";
constexpr uid_t kOtherUser = 65534;

sockaddr_un addressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, path.size());
    return address;
}

// The socket file of a process that ended without removing it.
void deadSocket(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = addressOf(path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

class LocalSocket : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tabulor-socket-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        path = (folder / "s").string();
    }
    void TearDown() override {
        closeListener(listener);
        fs::remove_all(folder);
    }

    // Waits until the listener has a connection to take, as the window's notifier would.
    bool connectionWaiting() {
        pollfd watched{listener.fd, POLLIN, 0};
        return ::poll(&watched, 1, 2000) == 1;
    }

    // A later start asking from another thread, as another process would.
    std::future<ReachResult> ask(int timeoutMilliseconds, std::string request = "raise\n") {
        return std::async(std::launch::async, [this, timeoutMilliseconds, request] {
            return reachListener(path, request, kAnswer, timeoutMilliseconds);
        });
    }

    fs::path folder;
    std::string path;
    LocalListener listener;
};

TEST(SocketPath, FitsTheAddressOrNot) {
    const std::string longest(maxSocketPathLength(), 'x');
    EXPECT_TRUE(fitsSocketAddress(longest));
    EXPECT_FALSE(fitsSocketAddress(longest + "x"));
    EXPECT_FALSE(fitsSocketAddress(std::string_view("a\0b", 3)));
}

TEST_F(LocalSocket, ALaterStartIsAnsweredAfterTheWindowCameForward) {
    listener = listenAt(path);
    ASSERT_GE(listener.fd, 0) << listener.error;
    struct stat made {};
    ASSERT_EQ(::stat(path.c_str(), &made), 0);
    EXPECT_TRUE(S_ISSOCK(made.st_mode));
    EXPECT_EQ(made.st_mode & 0777, 0600u);  // no other user may knock

    // The answer comes only after the window has come forward.
    // The request reaches the listener before the answer goes back.
    std::future<ReachResult> first = ask(2000, "raise token-1\n");
    ASSERT_TRUE(connectionWaiting());
    bool answeredEarly = true;
    std::vector<std::string> heard;
    const Accepted accepted =
        answerWaiting(listener, kAnswer, [&](const std::vector<std::string>& requests) {
            heard = requests;
            answeredEarly =
                first.wait_for(std::chrono::milliseconds(100)) == std::future_status::ready;
        });
    EXPECT_FALSE(answeredEarly);
    EXPECT_EQ(heard, std::vector<std::string>{"raise token-1"});
    EXPECT_EQ(accepted.answered, 1);
    EXPECT_EQ(first.get().reach, Reach::Reached);

    std::vector<std::future<ReachResult>> starts;
    for (int i = 0; i < 3; ++i)
        starts.push_back(ask(2000));
    int answered = 0;
    while (answered < 3 && connectionWaiting())
        answered += answerWaiting(listener, kAnswer, [](const auto&) {}).answered;
    EXPECT_EQ(answered, 3);
    for (auto& start : starts)
        EXPECT_EQ(start.get().reach, Reach::Reached);
    const Accepted none = answerWaiting(listener, kAnswer, [](const auto&) { FAIL(); });
    EXPECT_EQ(none.answered, 0);
    EXPECT_FALSE(none.stuck);
}

TEST_F(LocalSocket, AListenerThatDoesNotAnswerIsNoAnswerWithinTheTimeout) {
    listener = listenAt(path);
    ASSERT_GE(listener.fd, 0) << listener.error;
    // A stopped copy: the kernel queues the connection, nobody takes it.
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(reachListener(path, "raise\n", kAnswer, 300).reach, Reach::NoAnswer);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_GE(waited, std::chrono::milliseconds(290));
    EXPECT_LT(waited, std::chrono::milliseconds(1000));
    // One that takes the connection and hangs up, or says something else.
    for (const std::string_view reply : {std::string_view(), std::string_view("what?\n")}) {
        auto asking = ask(2000);
        ASSERT_TRUE(connectionWaiting());
        answerWaiting(listener, reply, {});
        EXPECT_EQ(asking.get().reach, Reach::NoAnswer);
    }
}

TEST_F(LocalSocket, NobodyListensWhereACrashedCopyLeftItsFile) {
    EXPECT_EQ(reachListener(path, "raise\n", kAnswer, 500).reach, Reach::NobodyListening);
    std::ofstream(path) << "left";
    EXPECT_EQ(reachListener(path, "raise\n", kAnswer, 500).reach, Reach::NobodyListening);
    fs::remove(path);
    deadSocket(path);
    EXPECT_EQ(reachListener(path, "raise\n", kAnswer, 500).reach, Reach::NobodyListening);
    EXPECT_FALSE(acceptsConnections(path));
}

TEST_F(LocalSocket, OnlyAStaleSocketOfThisUserIsRemoved) {
    EXPECT_EQ(removeStaleSocket(path), "");  // nothing there

    deadSocket(path);
    EXPECT_EQ(removeStaleSocket(path), "");
    EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
    listener = listenAt(path);
    EXPECT_GE(listener.fd, 0) << listener.error;
    closeListener(listener);

    struct Case {
        const char* what;
        std::function<void()> plant;
        const char* says;
    };
    const std::string target = (folder / "target").string();
    const Case cases[] = {
        {"a regular file", [&] { std::ofstream(path) << "notes\n"; }, "is not a socket"},
        {"a folder", [&] { fs::create_directory(path); }, "is not a socket"},
        {"a link to a socket",
         [&] {
             deadSocket(target);
             fs::create_symlink(target, path);
         },
         "is not a socket"},
        {"a socket of another user",
         [&] {
             deadSocket(path);
             ASSERT_EQ(::lchown(path.c_str(), kOtherUser, kOtherUser), 0);
         },
         "is a socket of another user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (std::string_view(c.what) == "a socket of another user" && ::geteuid() != 0) continue;
        c.plant();
        const fs::file_status before = fs::symlink_status(path);
        const std::string said = removeStaleSocket(path);
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        EXPECT_EQ(fs::symlink_status(path).type(), before.type());
        EXPECT_EQ(listenAt(path).fd, -1);
        fs::remove(path);
        fs::remove(target);
    }
    std::ofstream(path) << "notes\n";
    removeStaleSocket(path);
    std::ifstream kept(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "notes\n");
}

// Root can put a listener of another user at our path; it must be sent nothing.
TEST_F(LocalSocket, AListenerOfAnotherUserIsSentNothing) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to listen as another user";
    int ready[2];
    int report[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(report), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Listens as the other user, then reports the bytes that reached it.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = addressOf(path);
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            ::setresuid(kOtherUser, kOtherUser, kOtherUser) != 0 || ::listen(fd, 4) != 0)
            ::_exit(1);
        char byte = 1;
        if (::write(ready[1], &byte, 1) != 1) ::_exit(1);
        const int peer = ::accept(fd, nullptr, nullptr);
        char buffer[64];
        pollfd watched{peer, POLLIN, 0};
        ssize_t got = 0;
        if (::poll(&watched, 1, 2000) == 1) got = ::read(peer, buffer, sizeof buffer);
        const char received = got > 0 ? 'Y' : 'N';
        if (::write(report[1], &received, 1) != 1) ::_exit(1);
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    const ReachResult reached = reachListener(path, "raise\n", kAnswer, 500);
    EXPECT_EQ(reached.reach, Reach::Failed);
    EXPECT_NE(reached.error.find("another user"), std::string::npos) << reached.error;
    char received = 0;
    ASSERT_EQ(::read(report[0], &received, 1), 1);
    EXPECT_EQ(received, 'N');
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (const int fd : {ready[0], ready[1], report[0], report[1]})
        ::close(fd);
}

TEST_F(LocalSocket, APathTooLongIsRefusedNotCut) {
    const std::string longPath = (folder / std::string(maxSocketPathLength(), 'l')).string();
    const ReachResult reached = reachListener(longPath, "raise\n", kAnswer, 500);
    EXPECT_EQ(reached.reach, Reach::Failed);
    EXPECT_NE(reached.error.find("longer than"), std::string::npos) << reached.error;
    listener = listenAt(longPath);
    EXPECT_EQ(listener.fd, -1);
    EXPECT_NE(listener.error.find("longer than"), std::string::npos) << listener.error;
    // Nothing was made under a shortened name either.
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(LocalSocket, ListeningWhereThePathCannotBeMadeSaysWhy) {
    listener = listenAt((folder / "missing" / "s").string());
    EXPECT_EQ(listener.fd, -1);
    EXPECT_FALSE(listener.error.empty());
    EXPECT_EQ(answerWaiting(listener, kAnswer, {}).answered, 0);
}

TEST_F(LocalSocket, AConnectionThatCannotBeTakenIsReportedStuckThenTakenLater) {
    listener = listenAt(path);
    ASSERT_GE(listener.fd, 0) << listener.error;
    std::future<ReachResult> asking = ask(5000);
    ASSERT_TRUE(connectionWaiting());

    // No descriptor left for the connection to take.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit lowered = saved;
    lowered.rlim_cur = static_cast<rlim_t>(listener.fd) + 8;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    std::vector<int> filling;
    for (int fd; (fd = ::dup(listener.fd)) >= 0;)
        filling.push_back(fd);
    const Accepted stuck = answerWaiting(listener, kAnswer, [](const auto&) { FAIL(); });
    for (const int fd : filling)
        ::close(fd);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);

    EXPECT_TRUE(stuck.stuck);
    EXPECT_EQ(stuck.answered, 0);
    const Accepted later = answerWaiting(listener, kAnswer, {});
    EXPECT_FALSE(later.stuck);
    EXPECT_EQ(later.answered, 1);
    EXPECT_EQ(asking.get().reach, Reach::Reached);
}

TEST_F(LocalSocket, ClosingRemovesOnlyItsOwnFile) {
    listener = listenAt(path);
    ASSERT_GE(listener.fd, 0) << listener.error;
    closeListener(listener);
    EXPECT_EQ(listener.fd, -1);
    EXPECT_FALSE(fs::exists(path));

    // Another socket has taken the path meanwhile: it stays.
    listener = listenAt(path);
    ASSERT_GE(listener.fd, 0) << listener.error;
    fs::remove(path);
    LocalListener newer = listenAt(path);
    ASSERT_GE(newer.fd, 0) << newer.error;
    closeListener(listener);
    EXPECT_TRUE(acceptsConnections(path));
    closeListener(newer);
    EXPECT_FALSE(fs::exists(path));
}

}  // namespace
}  // namespace tabulor
