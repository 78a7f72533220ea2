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
      calculator(CalculatorServices{&clock, power.get()}) {}

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

void runToken(Session& session, const Token& token) {
    if (token.wait) {
        waitForMessage(session);
        return;
    }
    for (const KeyCode code : token.taps)
        tapKey(session.calculator, code);
}

}  // namespace tabulor
