// --png never loses what stood at its path: a file survives a write that fails, a link keeps
// naming its file, and a pipe is written as it stands and never removed. The built binary runs
// in a child process, so that limits and signals stay there.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "cli/tests/process_runner.h"
#include "faceplate/tests/png_reading.h"

namespace tabulor {
namespace {

namespace fs = std::filesystem;

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes past 4096 bytes raise SIGXFSZ, left at its default as a shell's ulimit leaves it: the
// program must hold it back to fail with "File too large" instead of ending.
void limitFileSize() {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
}

// Without root's power to write past permissions, so that a folder's permissions bind the
// program when the tests run as root; dropped from the bounding set, it stays off across exec.
void withoutOverride() {
    if (::geteuid() == 0 && prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) != 0) _exit(126);
}

class PngTarget : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("tabulor-png-target-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    // What the folder holds: a temporary file left behind would show here.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static ProcessResult cli(std::vector<std::string> arguments,
                             const std::function<void()>& inChild = {}) {
        arguments.insert(arguments.begin(), {"--battery", "255"});
        return runProcess(TABULOR_CLI_BINARY, arguments, "", inChild);
    }

  private:
    fs::path folder_;
};

TEST_F(PngTarget, AFailedWriteLeavesTheFileAndItsLinkAsTheyWere) {
    ASSERT_EQ(cli({"--png", path("old.png"), "WAIT 7"}).exitCode, 0);
    fs::create_symlink("old.png", path("link.png"));
    const std::string before = contents(path("old.png"));
    ASSERT_GT(before.size(), 4096u) << "a picture must not fit under the limit";

    for (const std::string name : {"old.png", "link.png"}) {
        const ProcessResult r = cli({"--png", path(name), "WAIT 42"}, limitFileSize);
        EXPECT_EQ(r.exitCode, 2) << name;
        EXPECT_EQ(r.out, " 42_\n");
        EXPECT_EQ(r.err, "tabulor-cli: cannot write " + path(name) + ": File too large\n");
        EXPECT_TRUE(contents(path("old.png")) == before) << name << ": the file changed";
        EXPECT_TRUE(fs::is_symlink(path("link.png"))) << name;
        EXPECT_EQ(entries(), (std::vector<std::string>{"link.png", "old.png"})) << name;
    }
}

TEST_F(PngTarget, AWriteReplacesTheFileBehindALinkAndKeepsItsMode) {
    ASSERT_EQ(cli({"--png", path("old.png"), "WAIT 7"}).exitCode, 0);
    fs::permissions(path("old.png"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("old.png", path("link.png"));
    const std::string before = contents(path("old.png"));

    const ProcessResult r = cli({"--png", path("link.png"), "WAIT 42"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(fs::read_symlink(path("link.png")), "old.png");
    EXPECT_EQ(fs::status(path("old.png")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(testing::readPng(path("old.png")).ok);
    EXPECT_FALSE(contents(path("old.png")) == before) << "the file was not replaced";

    // A new file gets the mode any new file gets here, not a temporary file's 0600.
    ASSERT_EQ(cli({"--png", path("new.png"), "WAIT"}).exitCode, 0);
    std::ofstream(path("plain")).put('x');
    EXPECT_EQ(fs::status(path("new.png")).permissions(), fs::status(path("plain")).permissions());
    EXPECT_EQ(entries(), (std::vector<std::string>{"link.png", "new.png", "old.png", "plain"}));
}

TEST_F(PngTarget, APipeWithoutItsReaderIsAFailureAndStays) {
    const std::string fifo = path("pipe.png");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // No reader at all: the open does not wait for one. alarm: a writer that hangs ends instead
    // of the suite.
    const ProcessResult unread = cli({"--png", fifo, "WAIT 42"}, [] { alarm(20); });
    EXPECT_EQ(unread.exitCode, 2);
    EXPECT_EQ(unread.err, "tabulor-cli: cannot write " + fifo + ": no process is reading it\n");

    // The reader is there before the writer, so that its open does not wait; a one-page buffer
    // cannot take the whole picture, and the reader leaves once the first bytes arrive.
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    ASSERT_GE(fcntl(reader, F_SETPIPE_SZ, 4096), 0);
    std::thread leaving([reader] {
        pollfd first{reader, POLLIN, 0};
        poll(&first, 1, 10000);
        close(reader);
    });
    const ProcessResult r = cli({"--png", fifo, "WAIT 42"}, [] { alarm(20); });
    leaving.join();
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "tabulor-cli: cannot write " + fifo + ": Broken pipe\n");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(entries(), std::vector<std::string>{"pipe.png"});
}

TEST_F(PngTarget, AFileWhoseFolderTakesNoTemporaryIsLeftAndTheMessageSaysSo) {
    const std::string file = path("closed/kept.png");
    fs::create_directory(path("closed"));
    std::ofstream(file) << "old";
    fs::permissions(file, fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all);
    fs::permissions(path("closed"), fs::perms::owner_read | fs::perms::owner_exec |
                                        fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
    struct Case {
        std::string target;
        std::string reason;
    };
    const Case cases[] = {
        {file, "Permission denied"},
        {"/proc/self/comm", "No such file or directory"},
    };
    for (const Case& c : cases) {
        const ProcessResult r = cli({"--png", c.target, "WAIT 42"}, withoutOverride);
        EXPECT_EQ(r.exitCode, 2) << c.target;
        EXPECT_EQ(r.err, "tabulor-cli: cannot write " + c.target +
                             ": no temporary file can be made in its folder (" + c.reason + ")\n");
    }
    EXPECT_EQ(contents(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(path("closed")), fs::directory_iterator()), 1)
        << "a temporary file was left";
    fs::permissions(path("closed"), fs::perms::owner_all);
}

TEST_F(PngTarget, StandardOutputGetsThePictureAfterTheLine) {
    ASSERT_EQ(cli({"--png", path("face.png"), "WAIT 42"}).exitCode, 0);
    const std::string expected = " 42_\n" + contents(path("face.png"));

    // Standard output on a file (the runner's own) and on a pipe.
    const ProcessResult toFile = cli({"--png", "/dev/stdout", "WAIT 42"});
    EXPECT_EQ(toFile.exitCode, 0) << toFile.err;
    EXPECT_TRUE(toFile.out == expected) << "not the line and then the picture";

    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const ProcessResult toPipe = cli({"--png", "/dev/stdout", "WAIT 42"}, [&ends] {
        dup2(ends[1], 1);
        close(ends[0]);
        close(ends[1]);
    });
    close(ends[1]);
    std::string piped;  // it fits the pipe's buffer, so the program never waits for this reader
    char buffer[4096];
    for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;)
        piped.append(buffer, static_cast<std::size_t>(n));
    close(ends[0]);
    EXPECT_EQ(toPipe.exitCode, 0) << toPipe.err;
    EXPECT_TRUE(piped == expected) << "not the line and then the picture";
    EXPECT_EQ(entries(), std::vector<std::string>{"face.png"});
}

}  // namespace
}  // namespace tabulor
