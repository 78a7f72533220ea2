#pragma once
// A started calculator for the benchmarks, put into shape with tabulor-cli's tokens, and the
// taps of a token string as key codes for a timed loop.

#include <string_view>
#include <vector>

#include "cli/session.h"

namespace tabulor::bench {

class BenchSession {
  public:
    BenchSession();
    BenchSession(const BenchSession&) = delete;
    BenchSession& operator=(const BenchSession&) = delete;

    // Runs the tokens (WAIT included); aborts on a token that does not parse, since a benchmark
    // of the wrong keys would measure nothing useful.
    void run(std::string_view tokens);
    Calculator& calculator() { return session_.calculator; }

  private:
    Session session_;
};

// Every tap of the tokens, in order; WAIT has none.
std::vector<KeyCode> tapsOf(std::string_view tokens);

}  // namespace tabulor::bench
