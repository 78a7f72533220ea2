#pragma once
// One calculator driven by tokens, as the window drives it by taps: a simulated clock that moves
// only on WAIT, the chosen power source, a window link that outlives the calculator, and the
// tape when it is asked for.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "cli/token_parsing.h"
#include "engine/calculator.h"
#include "platform/services.h"
#include "platform/simulated_services.h"
#include "tape/tape_recorder.h"

namespace tabulor {

// How long WAIT lets the clock run: past a message's 2000 ms and the timer's 500 ms period.
inline constexpr std::uint32_t kWaitMilliseconds = 2501;

struct SessionSettings {
    std::uint32_t clockStart = 0;
    std::optional<PowerStatus> battery;  // none: the system's batteries
    bool tape = false;                   // watch every tap for the tape
};

// OFF asks the window to close. A script goes on after OFF (the next ON switches the calculator
// back on), so the request is accepted and nothing closes.
class ScriptWindow final : public WindowLink {
  public:
    void notifyDeactivated() override {}
    void postClose() override {}
};

struct Session {
    explicit Session(const SessionSettings& settings);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    SimulatedClock clock;
    std::unique_ptr<PowerSource> power;
    ScriptWindow window;
    Calculator calculator;
    bool started = false;
    std::optional<TapeRecorder> tape;
    std::vector<TapeLine> tapeLines;  // the steps the last token completed
};

// initialize (which shows the start-up banner) and hand the calculator its window. False when the
// calculator cannot be created; nothing may run then.
bool startSession(Session& session);

// Advance the clock by kWaitMilliseconds and let a message expire as the window's timer would.
void waitForMessage(Session& session);

// Its taps, or WAIT; with the tape, the lines of the steps they complete go to tapeLines.
void runToken(Session& session, const Token& token);

}  // namespace tabulor
