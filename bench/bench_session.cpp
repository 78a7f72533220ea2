#include "bench/bench_session.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/token_parsing.h"

namespace tabulor::bench {

namespace {

Token tokenOrAbort(const std::string& word) {
    auto token = parseToken(word);
    if (!token) {
        std::fprintf(stderr, "benchmark setup: not a token: %s\n", word.c_str());
        std::abort();
    }
    return *token;
}

}  // namespace

BenchSession::BenchSession() : session_(SessionSettings{0, PowerStatus{100, 100}}) {
    if (!startSession(session_)) {
        std::fprintf(stderr, "benchmark setup: the calculator could not be created\n");
        std::abort();
    }
    run("WAIT");
}

void BenchSession::run(std::string_view tokens) {
    for (const std::string& word : splitWords(tokens))
        runToken(session_, tokenOrAbort(word));
}

std::vector<KeyCode> tapsOf(std::string_view tokens) {
    std::vector<KeyCode> taps;
    for (const std::string& word : splitWords(tokens)) {
        const Token token = tokenOrAbort(word);
        taps.insert(taps.end(), token.taps.begin(), token.taps.end());
    }
    return taps;
}

}  // namespace tabulor::bench
