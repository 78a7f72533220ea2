#pragma once
// The 30 keys of the keypad: the row and column of each, what it says, and how the keyboard and
// the command line name it. The faceplate's geometry, the artwork generator, the token parser,
// the keyboard map and the screen reader's names all read this one table. Constant and free of
// the platform and of pixels, so that the generator can use it without linking the engine.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tabulor {

// 5 × (row counted from the bottom) + column.
using KeyCode = std::int32_t;
inline constexpr int kKeyCount = 30;
inline constexpr int kKeyColumns = 5;
inline constexpr int kKeyRows = 6;

namespace Key {
inline constexpr KeyCode On = 0;  // shifted: OFF
inline constexpr KeyCode Digit0 = 1;
inline constexpr KeyCode Point = 2;   // shifted: ./,
inline constexpr KeyCode Equals = 3;  // shifted: DISP
inline constexpr KeyCode Add = 4;     // shifted: x²
inline constexpr KeyCode Clear = 5;   // shifted: C ALL
inline constexpr KeyCode Digit1 = 6;
inline constexpr KeyCode Digit2 = 7;
inline constexpr KeyCode Digit3 = 8;
inline constexpr KeyCode Subtract = 9;  // shifted: √x
inline constexpr KeyCode Shift = 10;
inline constexpr KeyCode Digit4 = 11;
inline constexpr KeyCode Digit5 = 12;
inline constexpr KeyCode Digit6 = 13;
inline constexpr KeyCode Multiply = 14;  // shifted: yˣ
inline constexpr KeyCode Recall = 15;    // shifted: STO
inline constexpr KeyCode Digit7 = 16;
inline constexpr KeyCode Digit8 = 17;
inline constexpr KeyCode Digit9 = 18;
inline constexpr KeyCode Divide = 19;      // shifted: 1/x
inline constexpr KeyCode ChangeSign = 20;  // shifted: E
inline constexpr KeyCode Percent = 21;     // shifted: K
inline constexpr KeyCode OpenParen = 22;
inline constexpr KeyCode CloseParen = 23;
inline constexpr KeyCode Backspace = 24;        // shifted: RND
inline constexpr KeyCode N = 25;                // shifted: xP/YR
inline constexpr KeyCode InterestPerYear = 26;  // shifted: NOM%
inline constexpr KeyCode PresentValue = 27;     // shifted: EFF%
inline constexpr KeyCode Payment = 28;          // shifted: P/YR
inline constexpr KeyCode FutureValue = 29;      // shifted: BEG/END
}  // namespace Key

constexpr bool isKeyCode(KeyCode code) {
    return code >= 0 && code < kKeyCount;
}
constexpr KeyCode keyCodeAt(int column, int row) {
    return kKeyColumns * row + column;
}
constexpr int keyColumn(KeyCode code) {
    return code % kKeyColumns;
}
constexpr int keyRow(KeyCode code) {  // counted from the bottom
    return code / kKeyColumns;
}

// Keyboard keys that type no character.
enum class NamedKey : std::uint8_t { None, Enter, Backspace, Escape, F9 };

struct KeyFacts {
    KeyCode code = 0;
    // As a screen reader reads them, and as the key's accessible name; an empty shifted legend
    // means the key does the same with SHIFT.
    std::string_view legend;
    std::string_view shiftedLegend;
    // As the artwork sets them where that differs from the text above: "\n" breaks a line, "^"
    // raises the next character. Every face prints the same two legends.
    std::string_view drawnLegend;
    std::string_view drawnShiftedLegend;
    bool legendInRed = false;  // SHIFT, whose legend is the colour of the functions it reaches
    // The command line's names, separated by spaces: of a tap, and of SHIFT and then the key.
    // The first of each is the documented one, the rest are aliases for characters a keyboard
    // lacks.
    std::string_view tokens;
    std::string_view shiftedTokens;
    // Typed characters that press the key (letters in lower case; digits go by their legend).
    std::u32string_view characters;
    NamedKey namedKey = NamedKey::None;
};

// Each key names only what it has; the fields it leaves out keep their defaults.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
inline constexpr std::array<KeyFacts, kKeyCount> kKeyTable{{
    {.code = Key::On,
     .legend = "ON",
     .shiftedLegend = "OFF",
     .tokens = "ON",
     .shiftedTokens = "OFF",
     .characters = U"o"},
    {.code = Key::Digit0, .legend = "0"},
    {.code = Key::Point,
     .legend = ".",
     .shiftedLegend = "./,",
     .tokens = ".",
     .shiftedTokens = "./,",
     .characters = U".,"},
    {.code = Key::Equals,
     .legend = "=",
     .shiftedLegend = "DISP",
     .tokens = "=",
     .shiftedTokens = "DISP",
     .characters = U"=",
     .namedKey = NamedKey::Enter},
    {.code = Key::Add,
     .legend = "+",
     .shiftedLegend = "x²",
     .drawnShiftedLegend = "x^2",
     .tokens = "+",
     .shiftedTokens = "x^2 x²",
     .characters = U"+"},
    {.code = Key::Clear,
     .legend = "C",
     .shiftedLegend = "C ALL",
     .tokens = "C",
     .shiftedTokens = "CALL C_ALL",
     .namedKey = NamedKey::Escape},
    {.code = Key::Digit1, .legend = "1"},
    {.code = Key::Digit2, .legend = "2"},
    {.code = Key::Digit3, .legend = "3"},
    {.code = Key::Subtract,
     .legend = "−",
     .shiftedLegend = "√x",
     .tokens = "- −",
     .shiftedTokens = "sqrt √x",
     .characters = U"-"},
    {.code = Key::Shift,
     .legend = "SHIFT",
     .legendInRed = true,
     .tokens = "SHIFT",
     .characters = U"s"},
    {.code = Key::Digit4, .legend = "4"},
    {.code = Key::Digit5, .legend = "5"},
    {.code = Key::Digit6, .legend = "6"},
    {.code = Key::Multiply,
     .legend = "×",
     .shiftedLegend = "yˣ",
     .drawnShiftedLegend = "y^x",
     .tokens = "* ×",
     .shiftedTokens = "y^x yˣ",
     .characters = U"*x"},
    {.code = Key::Recall,
     .legend = "RCL",
     .shiftedLegend = "STO",
     .tokens = "RCL",
     .shiftedTokens = "STO",
     .characters = U"r"},
    {.code = Key::Digit7, .legend = "7"},
    {.code = Key::Digit8, .legend = "8"},
    {.code = Key::Digit9, .legend = "9"},
    {.code = Key::Divide,
     .legend = "÷",
     .shiftedLegend = "1/x",
     .tokens = "/ ÷",
     .shiftedTokens = "1/x",
     .characters = U"/"},
    {.code = Key::ChangeSign,
     .legend = "+/−",
     .shiftedLegend = "E",
     .tokens = "+/- ±",
     .shiftedTokens = "E",
     .namedKey = NamedKey::F9},
    {.code = Key::Percent,
     .legend = "%",
     .shiftedLegend = "K",
     .tokens = "%",
     .shiftedTokens = "K",
     .characters = U"%"},
    {.code = Key::OpenParen, .legend = "(", .tokens = "(", .characters = U"("},
    {.code = Key::CloseParen, .legend = ")", .tokens = ")", .characters = U")"},
    {.code = Key::Backspace,
     .legend = "←",
     .shiftedLegend = "RND",
     .tokens = "BS ← <-",
     .shiftedTokens = "RND",
     .namedKey = NamedKey::Backspace},
    {.code = Key::N,
     .legend = "N",
     .shiftedLegend = "xP/YR",
     .tokens = "N",
     .shiftedTokens = "xP/YR",
     .characters = U"n"},
    {.code = Key::InterestPerYear,
     .legend = "I/YR",
     .shiftedLegend = "NOM%",
     .drawnShiftedLegend = "NOM\n%",
     .tokens = "I/YR",
     .shiftedTokens = "NOM%",
     .characters = U"i"},
    {.code = Key::PresentValue,
     .legend = "PV",
     .shiftedLegend = "EFF%",
     .drawnShiftedLegend = "EFF\n%",
     .tokens = "PV",
     .shiftedTokens = "EFF%",
     .characters = U"p"},
    {.code = Key::Payment,
     .legend = "PMT",
     .shiftedLegend = "P/YR",
     .tokens = "PMT",
     .shiftedTokens = "P/YR",
     .characters = U"m"},
    {.code = Key::FutureValue,
     .legend = "FV",
     .shiftedLegend = "BEG/END",
     .drawnShiftedLegend = "BEG\nEND",
     .tokens = "FV",
     .shiftedTokens = "BEG/END",
     .characters = U"f"},
}};
#pragma GCC diagnostic pop

constexpr bool keyTableInCodeOrder() {
    for (int i = 0; i < kKeyCount; ++i) {
        if (kKeyTable[static_cast<std::size_t>(i)].code != i) return false;
    }
    return true;
}
static_assert(keyTableInCodeOrder());

constexpr const KeyFacts& keyFacts(KeyCode code) {
    return kKeyTable[static_cast<std::size_t>(code)];
}

// The legends as the artwork prints them.
constexpr std::string_view drawnLegend(const KeyFacts& key) {
    return key.drawnLegend.empty() ? key.legend : key.drawnLegend;
}
constexpr std::string_view drawnShiftedLegend(const KeyFacts& key) {
    return key.drawnShiftedLegend.empty() ? key.shiftedLegend : key.drawnShiftedLegend;
}

namespace detail {

// The digit a key's legend shows, -1 for a key that is not a digit.
constexpr int legendDigit(const KeyFacts& key) {
    const std::string_view legend = key.legend;
    return legend.size() == 1 && legend[0] >= '0' && legend[0] <= '9' ? legend[0] - '0' : -1;
}

inline constexpr std::array<int, kKeyCount> kDigitOfKey = [] {
    std::array<int, kKeyCount> digits{};
    for (const KeyFacts& key : kKeyTable)
        digits[static_cast<std::size_t>(key.code)] = legendDigit(key);
    return digits;
}();

inline constexpr std::array<KeyCode, 10> kKeyOfDigit = [] {
    std::array<KeyCode, 10> keys{};
    keys.fill(-1);
    for (const KeyFacts& key : kKeyTable) {
        if (const int digit = legendDigit(key); digit >= 0)
            keys[static_cast<std::size_t>(digit)] = key.code;
    }
    return keys;
}();

constexpr bool everyDigitHasAKey() {
    for (const KeyCode code : kKeyOfDigit) {
        if (code < 0) return false;
    }
    return true;
}
static_assert(everyDigitHasAKey());

constexpr char foldAsciiCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace detail

// Token names match ignoring ASCII letter case; bytes outside ASCII (the UTF-8 of ×, ÷, ...)
// must match exactly.
constexpr bool namesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (detail::foldAsciiCase(a[i]) != detail::foldAsciiCase(b[i])) return false;
    }
    return true;
}

// The digit 0..9 a key types, -1 for any other key or code.
constexpr int digitOfKey(KeyCode code) {
    return isKeyCode(code) ? detail::kDigitOfKey[static_cast<std::size_t>(code)] : -1;
}

// The key of a digit 0..9.
constexpr KeyCode digitKey(int digit) {
    return detail::kKeyOfDigit.at(static_cast<std::size_t>(digit));
}

// The n-th (from 0) of the space-separated `names`; empty past the last.
constexpr std::string_view nthName(std::string_view names, int n) {
    std::size_t start = 0;
    for (; n > 0 && start < names.size(); --n) {
        const std::size_t space = names.find(' ', start);
        start = space == std::string_view::npos ? names.size() : space + 1;
    }
    if (start >= names.size()) return {};
    return names.substr(start, names.find(' ', start) - start);
}

// A key as a command-line token names it: tapped alone, or after SHIFT.
struct KeyTap {
    KeyCode code = 0;
    bool shifted = false;

    friend constexpr bool operator==(const KeyTap&, const KeyTap&) = default;
};

// The key a token names, ignoring ASCII letter case; the plain taps are looked at before the
// shifted functions.
constexpr std::optional<KeyTap> findKeyToken(std::string_view name) {
    for (const KeyFacts& key : kKeyTable) {
        for (int n = 0; !nthName(key.tokens, n).empty(); ++n) {
            if (namesEqual(nthName(key.tokens, n), name)) return KeyTap{key.code, false};
        }
    }
    for (const KeyFacts& key : kKeyTable) {
        for (int n = 0; !nthName(key.shiftedTokens, n).empty(); ++n) {
            if (namesEqual(nthName(key.shiftedTokens, n), name)) return KeyTap{key.code, true};
        }
    }
    return std::nullopt;
}

}  // namespace tabulor
