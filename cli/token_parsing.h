#pragma once
// Turning the words of a command line or of an input line into tokens: named keys, shifted
// functions, WAIT, and numbers typed as their digit and point keys.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculator.h"

namespace tabulor {

struct Token {
    std::string text;  // as typed, for --trace and error messages
    bool wait = false;
    std::vector<KeyCode> taps;  // full taps in order; empty for WAIT
};

struct UnknownToken {
    std::string text;
    int position = 0;  // 1-based over all the words
    long line = 0;     // the input line it was read from; 0 on the command line
};

struct TokenList {
    std::vector<Token> tokens;
    std::vector<UnknownToken> unknown;  // when not empty, nothing may run
};

// The words of `text`, separated by ASCII white space.
std::vector<std::string> splitWords(std::string_view text);

// The token for one word, or none when the word is not a token.
std::optional<Token> parseToken(std::string_view word);

// Every word of every argument, in order, with each word that is not a token reported.
TokenList parseTokens(std::span<const std::string> arguments);

// "tabulor-cli: line 3: unknown token 'IYR' (token 2); did you mean I/YR?", the token made safe
// for a terminal and cut after 40 characters; without the line on the command line, and without
// the hint when nothing is near.
std::string unknownTokenMessage(const UnknownToken& unknown);

}  // namespace tabulor
