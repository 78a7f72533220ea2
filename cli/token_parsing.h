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

// "tabulor-cli: unknown token 'bogus' (token 3)".
std::string unknownTokenMessage(const UnknownToken& unknown);

}  // namespace tabulor
