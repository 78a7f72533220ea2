#include "shell/window/calculator_session.h"

#include "faceplate/hit_test.h"

namespace tabulor {

CalculatorSession::CalculatorSession(std::unique_ptr<Calculator> calculator, FaceplateImages images)
    : calculator_(std::move(calculator)), images_(std::move(images)) {
    setWindow(*calculator_, this);
    timer_.setInterval(kMessageTimerMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &CalculatorSession::messageTick);
    timer_.start();
}

CalculatorSession::~CalculatorSession() {
    end();
}

std::optional<CalculatorReading> CalculatorSession::reading() const {
    if (calculator_ == nullptr) return std::nullopt;
    return CalculatorReading(*calculator_);
}

void CalculatorSession::setFullScreen(bool on) {
    state_.fullScreen = on;
    emit fullScreenChanged(on);
}

void CalculatorSession::changed(Repaint repaint) {
    if (repaint != Repaint::Nothing) emit repaintRequested(repaint);
}

void CalculatorSession::beforeKey() {
    recorder_.beforeTap(*calculator_);
}

void CalculatorSession::afterKey(KeyCode code) {
    if (std::optional<TapeLine> line = recorder_.afterTap(code, *calculator_))
        record(std::move(*line));
}

void CalculatorSession::record(TapeLine line) {
    tape_.append(std::move(line));
    emit tapeLineAdded();
}

void CalculatorSession::clearTape() {
    tape_.clear();
    emit tapeCleared();
}

void CalculatorSession::penDown(int x, int y) {
    if (calculator_ == nullptr) return;
    if (keyAt(x, y)) beforeKey();
    const PenDownResult result = tabulor::penDown(state_, *calculator_, x, y);
    setFullScreen(state_.fullScreen);
    changed(result.repaint);
}

void CalculatorSession::penUp() {
    if (calculator_ == nullptr) return;
    const std::optional<KeyCode> held = CalculatorReading(*calculator_).heldKey;
    changed(tabulor::penUp(*calculator_));
    if (held) afterKey(*held);
}

bool CalculatorSession::keyDown(KeyCode code) {
    if (calculator_ == nullptr || CalculatorReading(*calculator_).heldKey) return false;
    beforeKey();
    const Repaint repaint = tabulor::keyDown(state_, *calculator_, code);
    setFullScreen(state_.fullScreen);
    changed(repaint);
    return true;
}

void CalculatorSession::tapKey(KeyCode code) {
    if (!keyDown(code)) return;
    // OFF may have ended the calculator on its press.
    penUp();
}

void CalculatorSession::typeKeys(std::span<const KeyCode> keys) {
    if (calculator_ == nullptr || CalculatorReading(*calculator_).heldKey) return;
    // An armed SHIFT would turn the first digit into a shifted function.
    const auto tap = [this](KeyCode code) {
        beforeKey();
        pressKeyCell(*calculator_, code);
        releaseKey(*calculator_);
        afterKey(code);
    };
    if (CalculatorReading(*calculator_).face != ShiftState::Off) tap(Key::Shift);
    // Each key pressed and released as a tap would, so SHIFT before E stays a one-shot.
    for (const KeyCode code : keys)
        tap(code);
    changed(Repaint::Window);
}

void CalculatorSession::reset() {
    if (calculator_ == nullptr) return;
    recorder_.beforeTap(*calculator_);
    tabulor::reset(*calculator_);
    record(recorder_.afterReset(*calculator_));
    toggleFullScreen();
    changed(Repaint::Window);
}

void CalculatorSession::messageTick() {
    if (calculator_ != nullptr) changed(tabulor::messageTick(*calculator_));
}

void CalculatorSession::resumeTimer() {
    if (calculator_ != nullptr) timer_.start();
}

void CalculatorSession::end() {
    timer_.stop();
    if (calculator_ == nullptr) return;
    emit ending();
    tabulor::destroy(*calculator_);
    calculator_.reset();
    releaseFaceplateImages(images_);
}

// Nothing of ours depends on being active, so the notice that precedes OFF's close changes
// nothing here.
void CalculatorSession::notifyDeactivated() {}

void CalculatorSession::postClose() {
    QMetaObject::invokeMethod(this, &CalculatorSession::closeRequested, Qt::QueuedConnection);
}

}  // namespace tabulor
