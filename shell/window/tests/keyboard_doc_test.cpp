// The keyboard map in docs/keyboard.md says what the window does.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "shell/window/key_map.h"

namespace tabulor {
namespace {

TEST(KeyboardDoc, ListsEveryLineOfTheMap) {
    std::ifstream file(TABULOR_SOURCE_DIR "/docs/keyboard.md");
    ASSERT_TRUE(file.is_open());
    std::stringstream text;
    text << file.rdbuf();
    for (const KeyMapLine& line : keyboardMap()) {
        const std::string row =
            "| `" + std::string(line.keys) + "` | " + std::string(line.meaning) + " |";
        EXPECT_NE(text.str().find(row), std::string::npos) << row;
    }
}

}  // namespace
}  // namespace tabulor
