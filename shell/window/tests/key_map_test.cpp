// The keyboard map: every documented key reaches its faceplate key, nothing else does.
#include "shell/window/key_map.h"

#include <gtest/gtest.h>

namespace tabulor {
namespace {

TEST(KeyMap, CharactersReachTheirKeys) {
    const struct {
        char32_t character;
        KeyCode code;
    } cases[] = {
        {U'0', Key::Digit0},       {U'1', Key::Digit1},   {U'2', Key::Digit2},
        {U'3', Key::Digit3},       {U'4', Key::Digit4},   {U'5', Key::Digit5},
        {U'6', Key::Digit6},       {U'7', Key::Digit7},   {U'8', Key::Digit8},
        {U'9', Key::Digit9},       {U'.', Key::Point},    {U',', Key::Point},
        {U'+', Key::Add},          {U'-', Key::Subtract}, {U'*', Key::Multiply},
        {U'/', Key::Divide},       {U'=', Key::Equals},   {U'(', Key::OpenParen},
        {U')', Key::CloseParen},   {U'%', Key::Percent},  {U's', Key::Shift},
        {U'S', Key::Shift},        {U'o', Key::On},       {U'r', Key::Recall},
        {U'R', Key::Recall},       {U'n', Key::N},        {U'i', Key::InterestPerYear},
        {U'p', Key::PresentValue}, {U'm', Key::Payment},  {U'F', Key::FutureValue},
        {U'x', Key::Multiply},     {U'X', Key::Multiply},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(keyForCharacter(c.character), c.code) << static_cast<char>(c.character);
    }
}

TEST(KeyMap, OtherCharactersPressNothing) {
    for (const char32_t character : {U'a', U'y', U'e', U'E', U' ', U'^', U'\t', U'\0', U'é'}) {
        EXPECT_EQ(keyForCharacter(character), std::nullopt) << static_cast<int>(character);
    }
}

TEST(KeyMap, NamedKeys) {
    EXPECT_EQ(keyForNamedKey(NamedKey::Enter), Key::Equals);
    EXPECT_EQ(keyForNamedKey(NamedKey::Backspace), Key::Backspace);
    EXPECT_EQ(keyForNamedKey(NamedKey::Escape), Key::Clear);
    EXPECT_EQ(keyForNamedKey(NamedKey::F9), Key::ChangeSign);
}

}  // namespace
}  // namespace tabulor
