#include "cli/token_table.h"

#include <array>
#include <cstddef>

namespace tabulor {

namespace {

constexpr std::size_t countTokens() {
    std::size_t count = 1;  // WAIT
    for (const KeyFacts& key : kKeyTable) {
        for (int n = 0; !nthName(key.tokens, n).empty(); ++n)
            ++count;
        for (int n = 0; !nthName(key.shiftedTokens, n).empty(); ++n)
            ++count;
    }
    return count;
}

// The key table's names, the taps first and the shifted functions after them, each in key
// order with aliases after their key; digits have none, since any run of digits is a number
// token (see token_parsing).
constexpr std::array<NamedToken, countTokens()> kTokens = [] {
    std::array<NamedToken, countTokens()> tokens{};
    std::size_t at = 0;
    for (const KeyFacts& key : kKeyTable) {
        for (int n = 0; !nthName(key.tokens, n).empty(); ++n)
            tokens[at++] = {nthName(key.tokens, n), TokenAction::Tap, key.code};
    }
    for (const KeyFacts& key : kKeyTable) {
        for (int n = 0; !nthName(key.shiftedTokens, n).empty(); ++n)
            tokens[at++] = {nthName(key.shiftedTokens, n), TokenAction::ShiftedTap, key.code};
    }
    tokens[at] = {"WAIT", TokenAction::Wait, 0};
    return tokens;
}();

bool isWait(std::string_view text) {
    return namesEqual(kTokens.back().name, text);
}

}  // namespace

std::span<const NamedToken> namedTokens() {
    return kTokens;
}

std::optional<NamedToken> findNamedToken(std::string_view text) {
    if (const std::optional<KeyTap> tap = findKeyToken(text)) {
        return NamedToken{text, tap->shifted ? TokenAction::ShiftedTap : TokenAction::Tap,
                          tap->code};
    }
    if (isWait(text)) return kTokens.back();
    return std::nullopt;
}

}  // namespace tabulor
