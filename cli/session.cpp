#include "cli/session.h"

#include "platform/system_services.h"

namespace tabulor {

namespace {

std::unique_ptr<PowerSource> makePower(const std::optional<PowerStatus>& battery) {
    if (battery) return std::make_unique<FixedPower>(*battery);
    return std::make_unique<SystemPower>();
}

}  // namespace

Session::Session(const SessionSettings& settings)
    : clock(settings.clockStart),
      power(makePower(settings.battery)),
      calculator(CalculatorServices{&clock, power.get()}) {
    if (settings.tape) tape.emplace();
}

Session::~Session() {
    if (started) destroy(calculator);
}

bool startSession(Session& session) {
    if (!initialize(session.calculator)) return false;
    setWindow(session.calculator, &session.window);
    session.started = true;
    return true;
}

void waitForMessage(Session& session) {
    session.clock.advance(kWaitMilliseconds);
    tickMessageTimer(session.calculator);
}

namespace {

void tap(Session& session, KeyCode code) {
    if (!session.tape) {
        tapKey(session.calculator, code);
        return;
    }
    session.tape->beforeTap(session.calculator);
    tapKey(session.calculator, code);
    if (std::optional<TapeLine> line = session.tape->afterTap(code, session.calculator)) {
        session.tapeLines.push_back(std::move(*line));
    }
}

}  // namespace

void runToken(Session& session, const Token& token) {
    session.tapeLines.clear();
    if (token.wait) {
        waitForMessage(session);
        return;
    }
    for (const KeyCode code : token.taps)
        tap(session, code);
}

}  // namespace tabulor
