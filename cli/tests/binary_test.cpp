// The built tabulor-cli as a user runs it: exit statuses, the two output streams, and the
// input loop on a real standard input.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "process_runner.h"

namespace tabulor {
namespace {

ProcessResult cli(const std::vector<std::string>& arguments, const std::string& input = "") {
    return runProcess(TABULOR_CLI_BINARY, arguments, input);
}

TEST(Binary, PrintsTheDisplayLine) {
    const ProcessResult r = cli({"--battery", "255", "WAIT", "1234567", ".", "5"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, " 1,234,567.5_\n");
    EXPECT_EQ(r.err, "");
}

TEST(Binary, UnknownTokenExitsTwo) {
    const ProcessResult r = cli({"WAIT", "1", "bogus"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tabulor-cli: unknown token 'bogus' (token 3)\n");
}

TEST(Binary, BadOptionsExitTwo) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--battery", "300", "WAIT"},
          std::vector<std::string>{"--clock", "4294967296"},
          std::vector<std::string>{"--no-such-option"}}) {
        const ProcessResult r = cli(arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments[0];
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
    }
}

TEST(Binary, HelpAndVersion) {
    const ProcessResult help = cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: tabulor-cli [OPTIONS] [TOKENS...]\n", 0), 0u);
    const ProcessResult version = cli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "tabulor-cli " TABULOR_VERSION "\n");
}

TEST(Binary, Trace) {
    const ProcessResult r = cli({"--battery", "255", "--trace", "WAIT CALL WAIT"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "WAIT\t 0.00\nCALL\t 12  P_YR\nWAIT\t 0.00\n");
}

TEST(Binary, Json) {
    const ProcessResult r = cli({"--battery", "255", "--json", "WAIT", "1 / 3 = RND"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\"value\": 0.33,"), std::string::npos) << r.out;
    const nlohmann::json state = nlohmann::json::parse(r.out);
    EXPECT_EQ(state["display"], " 0.33");
    EXPECT_EQ(state["value"].get<double>(), 0.33);
}

TEST(Binary, InputLoop) {
    const ProcessResult r = cli({"--battery", "15"}, "WAIT\n1 bogus\n\nOFF\nON\n1 2\n");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, " 0.00\n 0.00\n\n 0.00  [BAT]\n 12_  [BAT]\n");
    EXPECT_EQ(r.err, "tabulor-cli: line 2: unknown token 'bogus' (token 2)\n");
}

TEST(Binary, AFailedOutputStopsTheInputLoopAtOnce) {
    std::string input;  // far more than one read takes in
    for (int i = 0; i < 20000; ++i)
        input += "WAIT 1 +\n";
    struct Case {
        std::string reason;
        std::function<void()> inChild;
    };
    const Case cases[] = {
        {"Bad file descriptor", [] { close(1); }},
        {"Broken pipe",
         [] {
             int ends[2];
             if (pipe(ends) != 0) _exit(126);
             dup2(ends[1], 1);
             close(ends[0]);
             close(ends[1]);
             std::signal(SIGPIPE, SIG_IGN);
         }},
    };
    for (const Case& c : cases) {
        const ProcessResult r =
            runProcess(TABULOR_CLI_BINARY, {"--battery", "255"}, input, c.inChild);
        EXPECT_EQ(r.exitCode, 1) << c.reason;
        EXPECT_EQ(r.err, "tabulor-cli: cannot write the output: " + c.reason + "\n");
        EXPECT_LT(r.inputRead, input.size()) << c.reason << ": the input was read on";
    }
}

// Each step's line is printed and forgotten: a tape of 100,000 steps runs within a heap far
// smaller than the lines would fill if they were kept.
TEST(Binary, ALongTapeFromTheInputLoopRunsInBoundedMemory) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizers' shadow memory does not fit a data limit";
#endif
    constexpr int kSteps = 100'000;
    std::string input = "WAIT\n";
    for (int i = 0; i < kSteps; ++i)
        input += "1 +\n";
    const ProcessResult r = runProcess(TABULOR_CLI_BINARY, {"--tape"}, input, [] {
        const rlimit data{8 << 20, 8 << 20};
        if (setrlimit(RLIMIT_DATA, &data) != 0) _exit(126);
    });
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), kSteps);
    EXPECT_TRUE(r.out.ends_with("+         100,000.00    [PEND]\n"));
}

TEST(Binary, AReadErrorIsNotTheEndOfTheInput) {
    const ProcessResult r = runProcess(TABULOR_CLI_BINARY, {"--battery", "255"}, "", [] {
        const int folder = open("/", O_RDONLY | O_DIRECTORY);
        if (folder < 0 || dup2(folder, 0) != 0) _exit(126);
    });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tabulor-cli: cannot read the input: Is a directory\n");
}

TEST(Binary, EmptyArgumentIsTokenMode) {
    // Token mode: standard input is not read.
    const ProcessResult r = cli({"--battery", "255", ""}, "WAIT\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, cli({"--battery", "255"}, "\n").out);
    EXPECT_NE(r.out, " 0.00\n");
}

TEST(Binary, PngWritesAPictureOrFailsWithExitTwo) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("tabulor-cli-binary-" + std::to_string(::getpid()) + ".png");
    const ProcessResult written = cli({"--battery", "255", "--png", file.string(), "WAIT 1234567"});
    EXPECT_EQ(written.exitCode, 0);
    EXPECT_EQ(written.out, " 1,234,567_\n");
    EXPECT_EQ(written.err, "");
    EXPECT_GT(std::filesystem::file_size(file), 1000u);
    std::filesystem::remove(file);

    // The path as given, shown safely: no terminal sequence or line break of it gets through.
    const std::pair<std::string, std::string> bad[] = {
        {"/nonexistent-tabulor-directory/face.png", "/nonexistent-tabulor-directory/face.png"},
        {"/nonexistent-tabulor-directory/\x1b]0;title\a\n\xe2\x80\xae/x",
         "/nonexistent-tabulor-directory/\\x1b]0;title\\x07\\x0a\\u202e/x"},
    };
    for (const auto& [path, shown] : bad) {
        const ProcessResult failed = cli({"--battery", "255", "--png", path, "WAIT"});
        EXPECT_EQ(failed.exitCode, 2);
        EXPECT_EQ(failed.out, " 0.00\n");
        EXPECT_EQ(failed.err,
                  "tabulor-cli: cannot write " + shown + ": No such file or directory\n");
    }
}

}  // namespace
}  // namespace tabulor
