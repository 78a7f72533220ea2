#include "shell/app/key_map.h"

namespace tabulor {

namespace {

struct CharacterKey {
    char32_t character;  // letters in lower case; upper case maps alike
    KeyCode key;
};

constexpr CharacterKey kCharacterKeys[] = {
    {U'0', Key::Digit0},
    {U'.', Key::Point},
    {U',', Key::Point},
    {U'+', Key::Add},
    {U'-', Key::Subtract},
    {U'*', Key::Multiply},
    {U'/', Key::Divide},
    {U'=', Key::Equals},
    {U'(', Key::OpenParen},
    {U')', Key::CloseParen},
    {U'%', Key::Percent},
    {U's', Key::Shift},
    {U'o', Key::On},
    {U'r', Key::Recall},
    {U'n', Key::N},
    {U'i', Key::InterestPerYear},
    {U'p', Key::PresentValue},
    {U'm', Key::Payment},
    {U'f', Key::FutureValue},
};

}  // namespace

std::optional<KeyCode> keyForCharacter(char32_t character) {
    if (character >= U'1' && character <= U'9') {
        // Digits 1..9 sit in three rows of three, 1 2 3 at the bottom.
        const int digit = static_cast<int>(character - U'1');
        return Key::Digit1 + 5 * (digit / 3) + digit % 3;
    }
    const char32_t lower =
        character >= U'A' && character <= U'Z' ? character - U'A' + U'a' : character;
    for (const CharacterKey& entry : kCharacterKeys) {
        if (entry.character == lower) return entry.key;
    }
    return std::nullopt;
}

std::optional<KeyCode> keyForNamedKey(NamedKey key) {
    switch (key) {
        case NamedKey::Enter:
            return Key::Equals;
        case NamedKey::Backspace:
            return Key::Backspace;
        case NamedKey::Escape:
            return Key::Clear;
        case NamedKey::F9:
            return Key::ChangeSign;
    }
    return std::nullopt;
}

const std::vector<KeyMapLine>& keyboardMap() {
    static const std::vector<KeyMapLine> lines{
        {"0 - 9", "digits"},
        {". or ,", "point (./, with SHIFT)"},
        {"+  -  *  /", "+  −  ×  ÷"},
        {"Enter, Return or =", "="},
        {"Backspace", "← (RND with SHIFT)"},
        {"Escape", "C (C ALL with SHIFT)"},
        {"(  )  %", "(  )  %"},
        {"F9", "+/− (E with SHIFT)"},
        {"S", "SHIFT, for the next key's red legend"},
        {"O", "ON (OFF with SHIFT)"},
        {"R", "RCL (STO with SHIFT)"},
        {"N  I  P  M  F", "N  I/YR  PV  PMT  FV"},
        {"Ctrl+C  Ctrl+V", "copy the number shown, key in a copied number"},
        {"Ctrl++  Ctrl+−", "zoom in, zoom out"},
        {"Ctrl+A", "About"},
        {"Ctrl+Q", "Exit"},
    };
    return lines;
}

}  // namespace tabulor
