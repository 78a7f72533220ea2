// tabulor-cli started afresh for one answer, as a script would: the mortgage payment of
// docs/cli.md's token language, wall time from spawn to exit.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>

#include "bench/budget.h"

extern char** environ;

namespace tabulor::bench {
namespace {

// Exit status of the run, or -1 when it could not be started.
int runOnce(const char* program, char* const* arguments, posix_spawn_file_actions_t* actions) {
    pid_t child = 0;
    if (posix_spawn(&child, program, actions, nullptr, arguments, environ) != 0) return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void mortgagePaymentOneShot(benchmark::State& state) {
    std::array<char*, 4> arguments = {
        const_cast<char*>(TABULOR_CLI_PATH), const_cast<char*>("--battery=255"),
        const_cast<char*>("WAIT 360 N 6 I/YR 100000 PV 0 FV PMT"), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        if (runOnce(TABULOR_CLI_PATH, arguments.data(), &actions) != 0) {
            state.SkipWithError("tabulor-cli did not run to a clean exit");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    setOperationsPerIteration(state, 1);
}

BENCHMARK(mortgagePaymentOneShot)->Name("Cli/MortgagePaymentOneShot")->UseRealTime();

}  // namespace
}  // namespace tabulor::bench
