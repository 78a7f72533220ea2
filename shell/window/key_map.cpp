#include "shell/window/key_map.h"

#include <initializer_list>
#include <string_view>
#include <vector>

#include "shell/window/window_commands.h"

namespace tabulor {

namespace {

char32_t lowerCase(char32_t character) {
    return character >= U'A' && character <= U'Z' ? character - U'A' + U'a' : character;
}

std::string upperCase(char32_t character) {
    return std::string(
        1, static_cast<char>(character >= U'a' && character <= U'z' ? character - U'a' + U'A'
                                                                    : character));
}

// The keyboard's names for a key that types no character; Return is a second Enter.
std::vector<std::string> namedKeyNames(NamedKey key) {
    switch (key) {
        case NamedKey::Enter:
            return {"Enter", "Return"};
        case NamedKey::Backspace:
            return {"Backspace"};
        case NamedKey::Escape:
            return {"Escape"};
        case NamedKey::F9:
            return {"F9"};
        case NamedKey::None:
            break;
    }
    return {};
}

// What is typed for a key as the map shows it: its named key, or its first character with a
// letter in upper case. Every character of the map is ASCII.
std::string typed(KeyCode code) {
    const KeyFacts& key = keyFacts(code);
    if (key.namedKey != NamedKey::None) return namedKeyNames(key.namedKey).front();
    return upperCase(key.characters[0]);
}

std::string joined(std::initializer_list<KeyCode> codes, std::string (*part)(KeyCode)) {
    std::string line;
    for (const KeyCode code : codes) {
        if (!line.empty()) line += "  ";
        line += part(code);
    }
    return line;
}

std::string legend(KeyCode code) {
    return std::string(keyFacts(code).legend);
}

// "← (RND with SHIFT)"
std::string withShifted(std::string_view what, KeyCode code) {
    return std::string(what) + " (" + std::string(keyFacts(code).shiftedLegend) + " with SHIFT)";
}

std::string withShifted(KeyCode code) {
    return withShifted(keyFacts(code).legend, code);
}

}  // namespace

std::string keyboardKeysFor(KeyCode code) {
    const KeyFacts& key = keyFacts(code);
    if (digitOfKey(code) >= 0) return std::string(key.legend);
    std::vector<std::string> ways = namedKeyNames(key.namedKey);
    for (const char32_t character : key.characters)
        ways.push_back(upperCase(character));
    std::string text;
    for (std::size_t i = 0; i < ways.size(); ++i) {
        if (i > 0) text += i + 1 == ways.size() ? " or " : ", ";
        text += ways[i];
    }
    return text;
}

std::optional<KeyCode> keyForCharacter(char32_t character) {
    if (character >= U'0' && character <= U'9') return digitKey(static_cast<int>(character - U'0'));
    const char32_t lower = lowerCase(character);
    for (const KeyFacts& key : kKeyTable) {
        if (key.characters.find(lower) != std::u32string_view::npos) return key.code;
    }
    return std::nullopt;
}

std::optional<KeyCode> keyForNamedKey(NamedKey named) {
    if (named == NamedKey::None) return std::nullopt;
    for (const KeyFacts& key : kKeyTable) {
        if (key.namedKey == named) return key.code;
    }
    return std::nullopt;
}

const std::vector<KeyMapLine>& keyboardMap() {
    using namespace Key;
    static const std::vector<KeyMapLine> lines = [] {
        std::vector<KeyMapLine> all{
            {"0 - 9", "digits"},
            {keyboardKeysFor(Point), withShifted("point", Point)},
            {joined({Add, Subtract, Multiply, Divide}, typed),
             joined({Add, Subtract, Multiply, Divide}, legend)},
            {keyboardKeysFor(Multiply), legend(Multiply)},
            {keyboardKeysFor(Equals), legend(Equals)},
            {typed(Backspace), withShifted(Backspace)},
            {typed(Clear), withShifted(Clear)},
            {joined({OpenParen, CloseParen, Percent}, typed),
             joined({OpenParen, CloseParen, Percent}, legend)},
            {typed(ChangeSign), withShifted(ChangeSign)},
            {typed(Shift), legend(Shift) + ", for the next key's red legend"},
            {typed(On), withShifted(On)},
            {typed(Recall), withShifted(Recall)},
            {joined({N, InterestPerYear, PresentValue, Payment, FutureValue}, typed),
             joined({N, InterestPerYear, PresentValue, Payment, FutureValue}, legend)},
        };
        for (const CommandFacts& command : kCommandTable)
            all.push_back({std::string(command.keys), std::string(command.meaning)});
        return all;
    }();
    return lines;
}

}  // namespace tabulor
