#include "shell/window/pasted_number.h"

#include <string>

#include "text/utf8.h"

namespace tabulor {

namespace {

// Longer text is no number a user meant to key into a 12-character entry, however it is grouped.
constexpr std::size_t kLongestText = 128;

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
// The spaces that group digits: plain, no-break, narrow no-break and thin.
bool isGroupSpace(char32_t c) {
    return c == U' ' || c == U'\u00A0' || c == U'\u202F' || c == U'\u2009';
}
bool isSpace(char32_t c) {
    return isGroupSpace(c) || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f';
}
bool isApostrophe(char32_t c) {
    return c == U'\'' || c == U'\u2019';
}
bool isMinus(char32_t c) {
    return c == U'-' || c == U'\u2212';
}
bool isCurrency(char32_t c) {
    return c == U'$' || c == U'\u20AC' || c == U'\u00A3' || c == U'\u00A5';
}

void trimFront(std::u32string_view& text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
}
void trimBack(std::u32string_view& text) {
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
}

// How the digits of one reading are written.
struct Marks {
    char32_t decimal;
    char32_t group;  // the grouping mark besides spaces and apostrophes; 0 for no grouping at all
};

enum class GroupKind { None, Mark, Space, Apostrophe };

GroupKind groupKind(char32_t c, const Marks& marks) {
    if (marks.group == 0) return GroupKind::None;
    if (c == marks.group) return GroupKind::Mark;
    if (isGroupSpace(c)) return GroupKind::Space;
    if (isApostrophe(c)) return GroupKind::Apostrophe;
    return GroupKind::None;
}

// The unsigned number of `body` in plain form under `marks`. Grouping must be regular, groups of
// three after a first of one to three, so that "1,23" or "1,5" is not taken for 123 or 15 when
// the writer meant a decimal comma; grouping of two (lakh style) is refused for the same reason.
std::optional<std::string> readNumber(std::u32string_view body, const Marks& marks) {
    std::string whole;
    std::string fraction;
    bool point = false;
    GroupKind kind = GroupKind::None;
    std::size_t group = 0;  // digits since the last group mark
    const auto groupsClosed = [&] { return kind == GroupKind::None || group == 3; };

    std::size_t i = 0;
    for (; i < body.size(); ++i) {
        const char32_t c = body[i];
        if (isDigit(c)) {
            (point ? fraction : whole).push_back(static_cast<char>(c));
            if (!point) ++group;
            continue;
        }
        if (c == marks.decimal && !point) {
            if (!groupsClosed()) return std::nullopt;
            point = true;
            continue;
        }
        const GroupKind k = point ? GroupKind::None : groupKind(c, marks);
        if (k == GroupKind::None) break;
        const bool firstGroup = kind == GroupKind::None;
        if (group == 0 || (!firstGroup && k != kind) || group > 3 || (!firstGroup && group != 3))
            return std::nullopt;
        kind = k;
        group = 0;
    }
    if (!point && !groupsClosed()) return std::nullopt;
    if (whole.empty() && fraction.empty()) return std::nullopt;

    std::string plain = whole;
    if (point) plain += "." + fraction;
    if (i < body.size() && (body[i] == U'e' || body[i] == U'E')) {
        ++i;
        plain += 'e';
        if (i < body.size() && (body[i] == U'+' || isMinus(body[i]))) {
            if (isMinus(body[i])) plain += '-';
            ++i;
        }
        const std::size_t digits = i;
        for (; i < body.size() && isDigit(body[i]); ++i)
            plain.push_back(static_cast<char>(body[i]));
        if (i == digits) return std::nullopt;
    }
    if (i != body.size()) return std::nullopt;
    return plain;
}

}  // namespace

std::optional<std::string> plainNumberText(std::string_view text, char decimalMark) {
    if (text.size() > kLongestText) return std::nullopt;
    const std::optional<std::u32string> decoded = decodeUtf8(text);
    if (!decoded) return std::nullopt;
    std::u32string_view body = *decoded;
    trimFront(body);
    trimBack(body);

    // Before the digits: an opening parenthesis, a sign and a currency sign, each at most once,
    // in the orders statements use ("-$5", "$-5", "($5)", "$ (5)").
    bool parenthesis = false;
    bool sign = false;
    bool negative = false;
    bool currency = false;
    while (!body.empty()) {
        const char32_t c = body.front();
        if (c == U'(' && !parenthesis) {
            parenthesis = true;
        } else if ((isMinus(c) || c == U'+') && !sign) {
            sign = true;
            negative = c != U'+';
        } else if (isCurrency(c) && !currency) {
            currency = true;
        } else {
            break;
        }
        body.remove_prefix(1);
        trimFront(body);
    }
    if (parenthesis) {
        if (body.empty() || body.back() != U')') return std::nullopt;
        body.remove_suffix(1);
        trimBack(body);
    }
    if (!sign && !body.empty() && isMinus(body.back())) {
        sign = true;
        negative = true;
        body.remove_suffix(1);
        trimBack(body);
    }
    // A sign inside accounting parentheses leaves the intent a guess.
    if (parenthesis && sign) return std::nullopt;
    negative = negative || parenthesis;

    const char32_t decimal = decimalMark == ',' ? U',' : U'.';
    const std::optional<std::string> shown =
        readNumber(body, Marks{decimal, decimal == U',' ? U'.' : U','});
    // Programs, and our own copy, write a point and no grouping whatever marks the display uses.
    // With the decimal comma that is a second reading of a point: text that reads as two
    // different numbers ("1.234": 1234 or 1.234) is refused rather than guessed.
    std::optional<std::string> machine;
    if (decimal == U',') machine = readNumber(body, Marks{U'.', 0});
    if (shown && machine && *shown != *machine) return std::nullopt;
    const std::optional<std::string>& plain = shown ? shown : machine;
    if (!plain) return std::nullopt;
    return negative ? "-" + *plain : *plain;
}

}  // namespace tabulor
