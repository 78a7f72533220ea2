#pragma once
// Drives a whole calculator with the command-line front end's token names ("2 * ( 3 + 4 =") as
// the key table gives them, and reads the display back as its one-line text, so engine tests
// and the golden tables speak alike.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "display/display_text.h"
#include "engine/key_table.h"
#include "engine/tests/test_calculator.h"

namespace tabulor::testing {

class KeyScript {
  public:
    explicit KeyScript(PowerStatus battery = PowerStatus{100, 100}) : test_(battery) {
        run("WAIT");  // let the start-up banner go
    }

    // Words separated by spaces: WAIT, a number as its digit and point keys, or a key's token.
    void run(std::string_view tokens) {
        std::size_t start = 0;
        while (start < tokens.size()) {
            const std::size_t end = std::min(tokens.find(' ', start), tokens.size());
            if (end > start) runWord(tokens.substr(start, end - start));
            start = end + 1;
        }
    }

    std::string line() const { return displayLine(display()); }
    bool started() const { return test_.started; }
    Calculator& calculator() { return test_.calculator; }
    const Display& display() const { return *test_.calculator.display; }
    double value() const { return display().value; }
    const TvmRegisters& tvm() const { return test_.calculator.tvm; }

  private:
    void runWord(std::string_view word) {
        if (namesEqual(word, "WAIT")) {
            waitPastMessage(test_);
        } else if (word.find_first_not_of("0123456789.") == std::string_view::npos &&
                   word.find_first_of("0123456789") != std::string_view::npos) {
            for (const char c : word)
                tapKey(calculator(), c == '.' ? Key::Point : digitKey(c - '0'));
        } else if (const std::optional<KeyTap> tap = findKeyToken(word)) {
            if (tap->shifted) tapKey(calculator(), Key::Shift);
            tapKey(calculator(), tap->code);
        } else {
            ADD_FAILURE() << "not a token: " << word;
        }
    }

    TestCalculator test_;
};

}  // namespace tabulor::testing
