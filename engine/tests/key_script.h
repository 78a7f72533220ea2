#pragma once
// Drives a whole calculator with the command-line front end's tokens ("2 * ( 3 + 4 =") and reads
// the display back as its one-line text, so engine tests and the golden tables speak alike.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "cli/session.h"
#include "cli/token_parsing.h"
#include "display/display_text.h"
#include "shell/resources/embedded_images.h"

namespace tabulor::testing {

class KeyScript {
  public:
    explicit KeyScript(PowerStatus battery = PowerStatus{100, 100})
        : session_(SessionSettings{0, battery}, embeddedImages()) {
        started_ = startSession(session_);
        run("WAIT");  // let the start-up banner go
    }

    void run(std::string_view tokens) {
        for (const std::string& word : splitWords(tokens)) {
            const auto token = parseToken(word);
            if (!token) {
                ADD_FAILURE() << "not a token: " << word;
                return;
            }
            runToken(session_, *token);
        }
    }

    std::string line() const { return displayLine(display()); }
    bool started() const { return started_; }
    Calculator& calculator() { return session_.calculator; }
    const Display& display() const { return *session_.calculator.display; }
    double value() const { return display().value; }
    const TvmRegisters& tvm() const { return session_.calculator.tvm; }

  private:
    Session session_;
    bool started_ = false;
};

}  // namespace tabulor::testing
