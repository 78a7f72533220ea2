// The single running copy's socket without Qt: the path rules, reaching a listener, files left
// by a crash, paths too long for a socket address, and cleaning up.
#include "shell/app/local_socket.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "shell/app/instance_name.h"

namespace tabulor {
namespace {

namespace fs = std::filesystem;

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

    fs::path folder;
    std::string path;
    LocalListener listener;
};

TEST(SocketPath, RulesForNamesAndFolders) {
    const std::string longest(maxSocketPathLength(), 'x');
    EXPECT_TRUE(fitsSocketAddress(longest));
    EXPECT_FALSE(fitsSocketAddress(longest + "x"));
    EXPECT_FALSE(fitsSocketAddress(std::string_view("a\0b", 3)));

    struct Case {
        std::string_view socket;
        std::string_view temporary;
        std::string_view expected;
    };
    const Case cases[] = {
        {"tabulor-1000", "/tmp", "/tmp/tabulor-1000"},
        {"tabulor-1000", "/tmp/", "/tmp/tabulor-1000"},
        {"tabulor-1000", "", "tabulor-1000"},
        {"/run/user/1000/tabulor-1000", "/tmp", "/run/user/1000/tabulor-1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.socket);
        EXPECT_EQ(socketPath(c.socket, c.temporary), c.expected);
    }
}

TEST(SocketPath, RuntimeFolderTooDeepFallsBackToTheTemporaryFolder) {
    const std::string name = instanceName(1000);
    const std::string fits(maxSocketPathLength() - name.size() - 1, 'r');
    EXPECT_EQ(instanceSocket(1000, fits), fits + "/" + name);
    EXPECT_EQ(instanceSocket(1000, fits + "r"), name);
    EXPECT_EQ(instanceSocket(1000, std::string(4096, 'r')), name);
}

TEST_F(LocalSocket, ALaterStartReachesTheListener) {
    listener = listenAt(path);
    ASSERT_GE(listener.fd, 0) << listener.error;
    struct stat made {};
    ASSERT_EQ(::stat(path.c_str(), &made), 0);
    EXPECT_TRUE(S_ISSOCK(made.st_mode));
    EXPECT_EQ(made.st_mode & 0777, 0600u);  // no other user may knock

    const ReachResult reached = reachListener(path, "raise\n", 500);
    EXPECT_EQ(reached.reach, Reach::Reached) << reached.error;
    ASSERT_TRUE(connectionWaiting());
    EXPECT_EQ(acceptWaiting(listener).fromThisUser, 1);
    const Accepted none = acceptWaiting(listener);  // the queue is empty and nothing blocks
    EXPECT_EQ(none.fromThisUser, 0);
    EXPECT_FALSE(none.stuck);

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(reachListener(path, "raise\n", 500).reach, Reach::Reached);
    ASSERT_TRUE(connectionWaiting());
    EXPECT_EQ(acceptWaiting(listener).fromThisUser, 3);
}

TEST_F(LocalSocket, NobodyListensWhereACrashedCopyLeftItsFile) {
    EXPECT_EQ(reachListener(path, "raise\n", 500).reach, Reach::NobodyListening);

    // A plain file, and a socket whose process ended without removing it.
    std::ofstream(path) << "left";
    EXPECT_EQ(reachListener(path, "raise\n", 500).reach, Reach::NobodyListening);
    fs::remove(path);
    const int dead = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(::bind(dead, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(dead);
    ASSERT_TRUE(fs::exists(path));
    EXPECT_EQ(reachListener(path, "raise\n", 500).reach, Reach::NobodyListening);

    listener = listenAt(path);
    ASSERT_GE(listener.fd, 0) << listener.error;
    EXPECT_EQ(reachListener(path, "raise\n", 500).reach, Reach::Reached);
}

TEST_F(LocalSocket, APathTooLongIsRefusedNotCut) {
    const std::string longPath = (folder / std::string(maxSocketPathLength(), 'l')).string();
    const ReachResult reached = reachListener(longPath, "raise\n", 500);
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
    EXPECT_EQ(acceptWaiting(listener).fromThisUser, 0);
}

TEST_F(LocalSocket, AConnectionThatCannotBeTakenIsReportedStuckThenTakenLater) {
    listener = listenAt(path);
    ASSERT_GE(listener.fd, 0) << listener.error;
    ASSERT_EQ(reachListener(path, "raise\n", 500).reach, Reach::Reached);
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
    const Accepted stuck = acceptWaiting(listener);
    for (const int fd : filling)
        ::close(fd);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);

    EXPECT_TRUE(stuck.stuck);
    EXPECT_EQ(stuck.fromThisUser, 0);
    const Accepted later = acceptWaiting(listener);
    EXPECT_FALSE(later.stuck);
    EXPECT_EQ(later.fromThisUser, 1);
}

TEST_F(LocalSocket, ClosingRemovesOnlyItsOwnFile) {
    listener = listenAt(path);
    ASSERT_GE(listener.fd, 0) << listener.error;
    closeListener(listener);
    EXPECT_EQ(listener.fd, -1);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(reachListener(path, "raise\n", 500).reach, Reach::NobodyListening);

    // A copy that started meanwhile has put its own socket there: it stays.
    listener = listenAt(path);
    ASSERT_GE(listener.fd, 0) << listener.error;
    LocalListener newer = listenAt(path);
    ASSERT_GE(newer.fd, 0) << newer.error;
    closeListener(listener);
    EXPECT_EQ(reachListener(path, "raise\n", 500).reach, Reach::Reached);
    closeListener(newer);
    EXPECT_FALSE(fs::exists(path));
}

}  // namespace
}  // namespace tabulor
