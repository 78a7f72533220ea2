// Taking the running copy's name: the folder it lives in, the lock that makes taking it atomic,
// two starts at the worst moment, and what is found at the name but not ours.
#include "shell/instance/instance_claim.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "shell/instance/instance_folder.h"

namespace tabulor {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOtherUser = 65534;
constexpr int kShortAnswer = 300;

// The token a later start was launched with reaches the running copy only as plain text.
TEST(RaiseRequest, CarriesAPlainActivationTokenAndNothingElse) {
    EXPECT_EQ(raiseRequest(""), kRaiseRequest);
    const std::string request = raiseRequest("tabulor_TIME42-x.y");
    EXPECT_EQ(request, "raise tabulor_TIME42-x.y\n");
    EXPECT_EQ(activationTokenOf(std::string_view(request).substr(0, request.size() - 1)),
              "tabulor_TIME42-x.y");
    for (const std::string_view unsafe :
         {std::string_view("two words"), std::string_view("esc\x1b[31m"),
          std::string_view("line\nbreak"), std::string_view("caf\xc3\xa9")}) {
        EXPECT_EQ(raiseRequest(unsafe), kRaiseRequest) << unsafe;
        EXPECT_EQ(activationTokenOf("raise " + std::string(unsafe)), "") << unsafe;
    }
    EXPECT_EQ(raiseRequest(std::string(257, 'a')), kRaiseRequest);
    EXPECT_EQ(activationTokenOf("raise"), "");
    EXPECT_EQ(activationTokenOf("lower token"), "");
}

class InstanceClaimTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tabulor-claim-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        paths = instancePaths(::geteuid(), "x11-:63", folder.string(), std::nullopt);
        ASSERT_EQ(paths.error, "");
    }
    void TearDown() override {
        stopAnswering();
        fs::remove_all(folder);
    }

    // A running copy answering later starts from its own thread, as its event loop would.
    void answerFrom(const InstanceClaim& running) {
        answering = true;
        answerer = std::thread([this, fd = running.listener.fd, path = running.listener.path] {
            LocalListener listener;
            listener.fd = fd;
            listener.path = path;
            while (answering) {
                pollfd watched{fd, POLLIN, 0};
                if (::poll(&watched, 1, 20) == 1)
                    answered += answerWaiting(listener, kRaisedAnswer, {}).answered;
            }
        });
    }
    void stopAnswering() {
        answering = false;
        if (answerer.joinable()) answerer.join();
    }

    fs::path folder;
    InstancePaths paths;
    std::atomic<bool> answering = false;
    std::atomic<int> answered = 0;
    std::thread answerer;
};

TEST_F(InstanceClaimTest, TheFirstStartListensALaterOneIsAnswered) {
    InstanceClaim first = claimInstance(paths, kShortAnswer);
    ASSERT_EQ(first.outcome, InstanceClaim::Outcome::Listening) << first.error;
    answerFrom(first);
    EXPECT_EQ(claimInstance(paths, kShortAnswer).outcome, InstanceClaim::Outcome::Answered);
    stopAnswering();

    // Stopped (SIGSTOP) or hung: the later start hears nothing and is told so.
    EXPECT_EQ(claimInstance(paths, kShortAnswer).outcome, InstanceClaim::Outcome::NoAnswer);

    releaseInstance(first);
    EXPECT_FALSE(fs::exists(paths.socket));
    EXPECT_TRUE(fs::exists(paths.lock));  // see releaseInstance
    InstanceClaim next = claimInstance(paths, kShortAnswer);
    EXPECT_EQ(next.outcome, InstanceClaim::Outcome::Listening) << next.error;
    releaseInstance(next);
}

// Both found nobody; the second takes the name while the first is between finding nobody and
// locking. The first must then reach the second, not take the name over.
TEST_F(InstanceClaimTest, TwoStartsAtTheWorstMomentEndWithOneListener) {
    InstanceClaim second;
    const InstanceClaim first = claimInstance(paths, 2000, [&] {
        second = claimInstance(paths, kShortAnswer);
        if (second.outcome == InstanceClaim::Outcome::Listening) answerFrom(second);
    });
    EXPECT_EQ(second.outcome, InstanceClaim::Outcome::Listening) << second.error;
    EXPECT_EQ(first.outcome, InstanceClaim::Outcome::Answered) << first.error;
    EXPECT_EQ(first.listener.fd, -1);
    EXPECT_EQ(first.lockFd, -1);
    stopAnswering();
    EXPECT_EQ(answered, 1);
    releaseInstance(second);
}

// A crash leaves the socket; the lock went with the process.
TEST_F(InstanceClaimTest, AStaleSocketIsTakenOver) {
    InstanceClaim crashed = claimInstance(paths, kShortAnswer);
    ASSERT_EQ(crashed.outcome, InstanceClaim::Outcome::Listening);
    ::close(crashed.listener.fd);
    ::close(crashed.lockFd);
    ASSERT_TRUE(fs::is_socket(paths.socket));
    InstanceClaim next = claimInstance(paths, kShortAnswer);
    EXPECT_EQ(next.outcome, InstanceClaim::Outcome::Listening) << next.error;
    releaseInstance(next);
}

TEST_F(InstanceClaimTest, WhatIsNotOursAtTheNameIsLeftAloneAndTheCopyRunsUnfound) {
    struct Case {
        const char* what;
        std::string path;
        bool rootOnly;
        const char* says;
    };
    const Case cases[] = {
        {"notes where the socket goes", paths.socket, false, "is not a socket"},
        {"a lock file of another user", paths.lock, true, "not a lock file of this user"},
        {"a link where the lock goes", paths.lock, false, "cannot open"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.rootOnly && ::geteuid() != 0) continue;
        if (std::string_view(c.what).starts_with("a link")) {
            fs::create_symlink(folder / "elsewhere", c.path);
        } else {
            std::ofstream(c.path) << "notes\n";
            if (c.rootOnly) {
                ASSERT_EQ(::chown(c.path.c_str(), kOtherUser, kOtherUser), 0);
            }
        }
        const InstanceClaim claim = claimInstance(paths, kShortAnswer);
        EXPECT_EQ(claim.outcome, InstanceClaim::Outcome::Unusable);
        EXPECT_NE(claim.error.find(c.says), std::string::npos) << claim.error;
        EXPECT_EQ(claim.lockFd, -1);  // the next start finds the same at once
        if (std::string_view(c.what).starts_with("a link")) {
            EXPECT_FALSE(fs::exists(folder / "elsewhere"));
        } else {
            std::ifstream kept(c.path);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "notes\n");
        }
        fs::remove(paths.socket);
        fs::remove(paths.lock);
    }
}

// Whoever may write the folder's parent renames the checked folder away and puts one of their
// own in its place, with a link where the socket goes: nothing is made in theirs, nothing is done
// through the link, and the copy runs unfound, saying so.
TEST_F(InstanceClaimTest, AFolderSwappedWhileInUseIsRefusedAndNothingIsDoneInTheOther) {
    const fs::path checked = folder.string() + "-checked";
    const fs::path victim = folder.string() + "-victim";
    const fs::path socketName = fs::path(paths.socket).filename();
    std::ofstream(victim) << "notes\n";
    fs::permissions(victim, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::others_read);
    InstanceClaim claim = claimInstance(paths, kShortAnswer, [&] {
        fs::rename(folder, checked);
        fs::create_directory(folder);
        fs::create_symlink(victim, paths.socket);
    });
    EXPECT_EQ(claim.outcome, InstanceClaim::Outcome::Unusable);
    EXPECT_EQ(claim.error, folder.string() + " is no longer the folder that was checked");
    EXPECT_EQ(claim.listener.fd, -1);
    EXPECT_EQ(claim.lockFd, -1);
    EXPECT_EQ(fs::status(victim).permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                    fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_TRUE(fs::is_symlink(paths.socket));
    EXPECT_FALSE(fs::exists(fs::symlink_status(checked / socketName)));
    releaseInstance(claim);
    fs::remove_all(checked);
    fs::remove(victim);
}

TEST_F(InstanceClaimTest, TheRuntimeFolderOnlyWhenPrivate) {
    const fs::path runtime = folder / "runtime";
    const fs::path temporary = folder / "tmp";
    fs::create_directory(temporary);
    const fs::path own = temporary / ("tabulor-user-" + std::to_string(::geteuid()));
    struct Case {
        const char* what;
        std::function<void()> make;
        std::optional<std::string> runtimeFolder;
        bool inRuntime;
    };
    const Case cases[] = {
        {"private",
         [&] {
             fs::create_directory(runtime);
             fs::permissions(runtime, fs::perms::owner_all);
         },
         runtime.string(), true},
        {"unset", [] {}, std::nullopt, false},
        {"relative", [&] { fs::create_directory(runtime); }, "runtime", false},
        {"missing", [] {}, runtime.string(), false},
        {"writable by the group",
         [&] {
             fs::create_directory(runtime);
             fs::permissions(runtime, fs::perms::group_write, fs::perm_options::add);
         },
         runtime.string(), false},
        {"writable by all",
         [&] {
             fs::create_directory(runtime);
             fs::permissions(runtime, fs::perms::all);
         },
         runtime.string(), false},
        {"a file", [&] { std::ofstream(runtime) << ""; }, runtime.string(), false},
        {"too deep for a socket", [&] { fs::create_directories(runtime / std::string(110, 'd')); },
         (runtime / std::string(110, 'd')).string(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        const InstancePaths found =
            instancePaths(::geteuid(), "x11-:63", c.runtimeFolder, temporary.string());
        EXPECT_EQ(found.error, "");
        const fs::path expected = c.inRuntime ? fs::path(*c.runtimeFolder) : own;
        EXPECT_EQ(fs::path(found.socket).parent_path(), expected);
        EXPECT_EQ(found.lock, found.socket + ".lock");
        if (!c.inRuntime) {
            EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all);
        }
        fs::remove_all(runtime);
        fs::remove_all(own);
    }
}

TEST_F(InstanceClaimTest, OurFolderIsMadePrivateUnderAnyUmask) {
    const mode_t saved = ::umask(0277);
    const InstancePaths found =
        instancePaths(::geteuid(), "x11-:63", std::nullopt, folder.string());
    ::umask(saved);
    EXPECT_EQ(found.error, "");
    EXPECT_EQ(fs::status(fs::path(found.socket).parent_path()).permissions(), fs::perms::owner_all);
}

TEST_F(InstanceClaimTest, APlantedFolderIsNotUsedAndNothingIsPutInIt) {
    const fs::path own = folder / ("tabulor-user-" + std::to_string(::geteuid()));
    const fs::path elsewhere = folder / "elsewhere";
    fs::create_directory(elsewhere);
    struct Case {
        const char* what;
        std::function<void()> plant;
        bool rootOnly;
    };
    const Case cases[] = {
        {"a link to another folder", [&] { fs::create_directory_symlink(elsewhere, own); }, false},
        {"our folder open to others",
         [&] {
             fs::create_directory(own);
             fs::permissions(own, fs::perms::all);
         },
         false},
        {"a file", [&] { std::ofstream(own) << ""; }, false},
        {"a folder of another user",
         [&] {
             fs::create_directory(own);
             fs::permissions(own, fs::perms::owner_all);
             ASSERT_EQ(::chown(own.c_str(), kOtherUser, kOtherUser), 0);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.rootOnly && ::geteuid() != 0) continue;
        c.plant();
        const InstancePaths found =
            instancePaths(::geteuid(), "x11-:63", std::nullopt, folder.string());
        EXPECT_NE(found.error.find("is not a private folder of this user"), std::string::npos)
            << found.error;
        EXPECT_EQ(found.socket, "");
        const InstanceClaim claim = claimInstance(found, kShortAnswer);
        EXPECT_EQ(claim.outcome, InstanceClaim::Outcome::Unusable);
        EXPECT_EQ(claim.error, found.error);
        EXPECT_TRUE(fs::is_empty(elsewhere));
        fs::remove(own);
    }
}

}  // namespace
}  // namespace tabulor
