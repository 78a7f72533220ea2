#include "cli/token_hints.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "cli/token_table.h"
#include "engine/number_keys.h"

namespace tabulor {

namespace {

// Beyond this a word is no typo of a token, and a hint would be longer than the shown word.
constexpr std::size_t kLongestHintedWord = 40;
constexpr std::size_t kMostSuggestions = 3;

// Other names for keys that no small edit reaches, matched ignoring ASCII letter case; each
// names its key by a token of the table.
struct Synonym {
    std::string_view word;
    std::string_view token;
};
constexpr std::array kSynonyms{
    Synonym{"x", "*"},         Synonym{"^", "y^x"},   Synonym{"**", "y^x"},
    Synonym{"pow", "y^x"},     Synonym{"+-", "+/-"},  Synonym{"chs", "+/-"},
    Synonym{"neg", "+/-"},     Synonym{"ee", "E"},    Synonym{"exp", "E"},
    Synonym{"inv", "1/x"},     Synonym{"del", "BS"},  Synonym{"ac", "CALL"},
    Synonym{"ce", "C"},        Synonym{"enter", "="}, Synonym{"begin", "BEG/END"},
    Synonym{"end", "BEG/END"},
};

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

// The word's characters with ASCII punctuation dropped and ASCII letters lower-cased, so that
// "IYR" meets "I/YR" and "nom" meets "NOM%"; each element is one UTF-8 character (or one stray
// byte), so that "x³" is a single edit from "x²".
using Characters = std::vector<std::string>;

Characters comparable(std::string_view text) {
    Characters characters;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            if (isAsciiLetter(c) || isAsciiDigit(c)) characters.emplace_back(1, lowerAscii(c));
        } else if ((byte & 0xC0) == 0x80 && !characters.empty() &&
                   static_cast<unsigned char>(characters.back().front()) >= 0xC0) {
            characters.back() += c;  // continues the character before it
        } else {
            characters.emplace_back(1, c);
        }
    }
    return characters;
}

// Edits (insert, delete, replace, swap two neighbours) from `a` to `b`.
std::size_t editDistance(const Characters& a, const Characters& b) {
    const std::size_t columns = b.size() + 1;
    std::vector<std::size_t> before(columns);
    std::vector<std::size_t> previous(columns);
    std::vector<std::size_t> current(columns);
    for (std::size_t j = 0; j < columns; ++j)
        previous[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j < columns; ++j) {
            const std::size_t replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                current[j] = std::min(current[j], before[j - 2] + 1);
            }
        }
        before.swap(previous);
        previous.swap(current);
    }
    return previous[b.size()];
}

// By the longer of the two, so that "EF" may be EFF% but "x" is not N: between short names
// a single edit says nothing.
std::size_t editsAllowed(std::size_t longer) {
    if (longer <= 2) return 0;
    if (longer <= 5) return 1;
    return 2;
}

struct Candidate {
    std::size_t distance = 0;
    std::size_t order = 0;  // synonyms first, then the table's order
    NamedToken token;
};

bool sameKey(const NamedToken& a, const NamedToken& b) {
    return a.action == b.action && a.code == b.code;
}

// Of each key, its nearest name only.
void addCandidate(std::vector<Candidate>& candidates, const Candidate& candidate) {
    for (Candidate& held : candidates) {
        if (!sameKey(held.token, candidate.token)) continue;
        if (candidate.distance < held.distance) held = candidate;
        return;
    }
    candidates.push_back(candidate);
}

// digits, or groups of three after the first one to three, joined by commas.
std::optional<std::string> integerDigits(std::string_view text) {
    if (text.find(',') == std::string_view::npos) {
        if (!std::all_of(text.begin(), text.end(), isAsciiDigit)) return std::nullopt;
        return std::string(text);
    }
    std::string digits;
    std::size_t start = 0;
    for (bool first = true;; first = false) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view group = text.substr(start, comma - start);
        const bool sized = first ? (!group.empty() && group.size() <= 3) : group.size() == 3;
        if (!sized || !std::all_of(group.begin(), group.end(), isAsciiDigit)) return std::nullopt;
        digits += group;
        if (comma == text.size()) return digits;
        start = comma + 1;
    }
}

// Strips a leading sign; true when it was a minus.
bool takeSign(std::string_view& text) {
    if (text.empty() || (text.front() != '-' && text.front() != '+')) return false;
    const bool negative = text.front() == '-';
    text.remove_prefix(1);
    return negative;
}

std::string joinedSuggestions(const std::vector<std::string_view>& names) {
    std::string text = "did you mean ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text + "?";
}

}  // namespace

std::vector<std::string_view> nearestTokens(std::string_view word) {
    if (word.size() > kLongestHintedWord) return {};
    std::vector<Candidate> candidates;
    std::size_t order = 0;
    for (const Synonym& synonym : kSynonyms) {
        if (!equalIgnoringAsciiCase(synonym.word, word)) continue;
        if (const std::optional<NamedToken> token = findNamedToken(synonym.token)) {
            addCandidate(candidates, {0, order++, *token});
        }
    }
    const Characters typed = comparable(word);
    if (!typed.empty()) {
        for (const NamedToken& token : namedTokens()) {
            const Characters name = comparable(token.name);
            // Names of punctuation alone ("+", "+/-") are reached by synonyms only.
            if (name.empty()) continue;
            const std::size_t distance = editDistance(typed, name);
            if (distance <= editsAllowed(std::max(typed.size(), name.size()))) {
                addCandidate(candidates, {distance, order, token});
            }
            ++order;
        }
    }
    if (candidates.empty()) return {};

    // The nearest only: "IYR" is I/YR, although P/YR is a single edit away too.
    const std::size_t nearest =
        std::min_element(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) {
            return a.distance < b.distance;
        })->distance;
    std::erase_if(candidates, [nearest](const Candidate& c) { return c.distance != nearest; });
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.order < b.order; });
    std::vector<std::string_view> names;
    for (const Candidate& candidate : candidates) {
        if (names.size() == kMostSuggestions) break;
        names.push_back(candidate.token.name);
    }
    return names;
}

std::string numberAsKeys(std::string_view word) {
    if (word.size() > kLongestHintedWord) return {};
    // Grouping commas stand only in the integer part, and the keys type none.
    std::string_view rest = word;
    takeSign(rest);
    const std::string_view sign = word.substr(0, word.size() - rest.size());
    const std::size_t integerEnd = std::min(rest.find_first_of(".eE"), rest.size());
    const std::optional<std::string> whole = integerDigits(rest.substr(0, integerEnd));
    if (!whole) return {};
    const std::string plain = std::string(sign) + *whole + std::string(rest.substr(integerEnd));
    const std::optional<std::vector<KeyCode>> keys = keysForNumberText(plain);
    if (!keys) return {};

    // A token per key, but a number's digits and point run together as the keys type them.
    std::string tokens;
    bool inDigits = false;
    for (std::size_t i = 0; i < keys->size(); ++i) {
        const KeyCode code = (*keys)[i];
        const int digit = digitOfKey(code);
        const bool digitOrPoint = digit >= 0 || code == Key::Point;
        if (!tokens.empty() && !(digitOrPoint && inDigits)) tokens += ' ';
        inDigits = digitOrPoint;
        if (digit >= 0) {
            tokens += static_cast<char>('0' + digit);
            continue;
        }
        // SHIFT then a key is the key's shifted function (E).
        const bool shifted = code == Key::Shift && i + 1 < keys->size();
        const KeyFacts& key = keyFacts(shifted ? (*keys)[++i] : code);
        tokens += nthName(shifted ? key.shiftedTokens : key.tokens, 0);
    }
    return tokens;
}

std::string tokenHint(std::string_view word) {
    if (const std::string keys = numberAsKeys(word); !keys.empty()) return "type it as " + keys;
    const std::vector<std::string_view> names = nearestTokens(word);
    if (names.empty()) return {};
    return joinedSuggestions(names);
}

}  // namespace tabulor
