#include "shell/app/key_map.h"

namespace tabulor {

std::optional<KeyCode> keyForCharacter(char32_t character) {
    if (character >= U'1' && character <= U'9') {
        // Digits 1..9 sit in three rows of three, 1 2 3 at the bottom.
        const int digit = static_cast<int>(character - U'1');
        return Key::Digit1 + 5 * (digit / 3) + digit % 3;
    }
    switch (character) {
        case U'0':
            return Key::Digit0;
        case U'.':
        case U',':
            return Key::Point;
        case U'+':
            return Key::Add;
        case U'-':
            return Key::Subtract;
        case U'*':
            return Key::Multiply;
        case U'/':
            return Key::Divide;
        case U'=':
            return Key::Equals;
        case U'(':
            return Key::OpenParen;
        case U')':
            return Key::CloseParen;
        case U'%':
            return Key::Percent;
        case U's':
        case U'S':
            return Key::Shift;
        case U'o':
        case U'O':
            return Key::On;
        case U'r':
        case U'R':
            return Key::Recall;
        case U'n':
        case U'N':
            return Key::N;
        case U'i':
        case U'I':
            return Key::InterestPerYear;
        case U'p':
        case U'P':
            return Key::PresentValue;
        case U'm':
        case U'M':
            return Key::Payment;
        case U'f':
        case U'F':
            return Key::FutureValue;
        default:
            return std::nullopt;
    }
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
