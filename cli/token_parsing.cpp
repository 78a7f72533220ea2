#include "cli/token_parsing.h"

#include <cstddef>

#include "cli/token_hints.h"
#include "cli/token_table.h"
#include "shell/terminal/terminal_text.h"

namespace tabulor {

namespace {

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// [0-9]+(\.[0-9]*)? or \.[0-9]+
bool isNumber(std::string_view word) {
    std::size_t i = 0;
    while (i < word.size() && isDigit(word[i]))
        ++i;
    const std::size_t integerDigits = i;
    if (i < word.size() && word[i] == '.') {
        ++i;
        const std::size_t fractionStart = i;
        while (i < word.size() && isDigit(word[i]))
            ++i;
        if (integerDigits == 0 && i == fractionStart) return false;  // "." alone is the point key
    } else if (integerDigits == 0) {
        return false;
    }
    return i == word.size();
}

}  // namespace

std::vector<std::string> splitWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isWhiteSpace(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !isWhiteSpace(text[i]))
            ++i;
        if (i > start) words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

std::optional<Token> parseToken(std::string_view word) {
    Token token;
    token.text = std::string(word);
    if (isNumber(word)) {
        for (const char c : word)
            token.taps.push_back(c == '.' ? Key::Point : digitKey(c - '0'));
        return token;
    }
    const std::optional<NamedToken> named = findNamedToken(word);
    if (!named) return std::nullopt;
    switch (named->action) {
        case TokenAction::Tap:
            token.taps = {named->code};
            break;
        case TokenAction::ShiftedTap:
            token.taps = {Key::Shift, named->code};
            break;
        case TokenAction::Wait:
            token.wait = true;
            break;
    }
    return token;
}

TokenList parseTokens(std::span<const std::string> arguments) {
    TokenList list;
    int position = 0;
    for (const std::string& argument : arguments) {
        for (const std::string& word : splitWords(argument)) {
            ++position;
            if (std::optional<Token> token = parseToken(word)) {
                list.tokens.push_back(std::move(*token));
            } else {
                list.unknown.push_back({word, position});
            }
        }
    }
    return list;
}

constexpr std::size_t kShownTokenCharacters = 40;

// A script's typo may hold anything, a terminal escape included.
std::string unknownTokenMessage(const UnknownToken& unknown) {
    std::string message = "tabulor-cli: ";
    if (unknown.line > 0) message += "line " + std::to_string(unknown.line) + ": ";
    message += "unknown token '" + terminalSafe(unknown.text, kShownTokenCharacters) + "' (token " +
               std::to_string(unknown.position) + ")";
    if (const std::string hint = tokenHint(unknown.text); !hint.empty()) message += "; " + hint;
    return message;
}

}  // namespace tabulor
