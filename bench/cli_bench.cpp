// tabulor-cli started afresh, as a script would, wall time from spawn to exit: one answer (the
// mortgage payment of docs/cli.md's token language), and a schedule of a million payments
// streamed to /dev/null, whose peak memory must be that of a short one.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>

#include "bench/budget.h"

extern char** environ;

namespace tabulor::bench {
namespace {

struct Ran {
    int status = -1;  // the exit status, or -1 when it could not be started
    long peakKilobytes = 0;
};

Ran runOnce(const char* program, char* const* arguments, posix_spawn_file_actions_t* actions) {
    Ran ran;
    pid_t child = 0;
    if (posix_spawn(&child, program, actions, nullptr, arguments, environ) != 0) return ran;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return ran;
    ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ran.peakKilobytes = usage.ru_maxrss;
    return ran;
}

// tabulor-cli with `tokens`, standard output to /dev/null.
class CliToDevNull {
  public:
    explicit CliToDevNull(std::array<const char*, 2> options, const char* tokens) {
        arguments_ = {const_cast<char*>(TABULOR_CLI_PATH), const_cast<char*>("--battery=255"),
                      const_cast<char*>(options[0]),       const_cast<char*>(options[1]),
                      const_cast<char*>(tokens),           nullptr};
        // The unused option places are left out.
        char** end = std::remove(arguments_.begin(), arguments_.end() - 1, nullptr);
        std::fill(end, arguments_.end(), nullptr);
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    ~CliToDevNull() { posix_spawn_file_actions_destroy(&actions_); }
    CliToDevNull(const CliToDevNull&) = delete;
    CliToDevNull& operator=(const CliToDevNull&) = delete;

    Ran run() { return runOnce(TABULOR_CLI_PATH, arguments_.data(), &actions_); }

  private:
    std::array<char*, 6> arguments_{};
    posix_spawn_file_actions_t actions_{};
};

void mortgagePaymentOneShot(benchmark::State& state) {
    CliToDevNull cli({nullptr, nullptr}, "WAIT 360 N 6 I/YR 100000 PV 0 FV PMT");
    for (auto _ : state) {
        if (cli.run().status != 0) {
            state.SkipWithError("tabulor-cli did not run to a clean exit");
            break;
        }
    }
    setOperationsPerIteration(state, 1);
}

constexpr const char* kMillionPayments = "WAIT 1000000 N 6 I/YR 100000 PV 0 FV PMT";

// More than this above a 360-payment schedule's peak would be memory growing with the schedule.
constexpr long kConstantMemoryKilobytes = 1024;

void millionPaymentScheduleToDevNull(benchmark::State& state) {
    CliToDevNull shortSchedule({"--schedule", nullptr}, "WAIT 360 N 6 I/YR 100000 PV 0 FV PMT");
    CliToDevNull longSchedule({"--schedule", nullptr}, kMillionPayments);
    const long shortPeak = shortSchedule.run().peakKilobytes;
    for (auto _ : state) {
        const Ran ran = longSchedule.run();
        if (ran.status != 0) {
            state.SkipWithError("tabulor-cli did not run to a clean exit");
            break;
        }
        state.counters["peak_kB"] = static_cast<double>(ran.peakKilobytes);
        if (ran.peakKilobytes - shortPeak > kConstantMemoryKilobytes) {
            state.SkipWithError("the schedule's memory grows with its length");
            break;
        }
    }
    setOperationsPerIteration(state, 1);
}

BENCHMARK(mortgagePaymentOneShot)->Name("Cli/MortgagePaymentOneShot")->UseRealTime();
BENCHMARK(millionPaymentScheduleToDevNull)
    ->Name("Cli/MillionPaymentScheduleToDevNull")
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace tabulor::bench
