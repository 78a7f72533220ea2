// The calculator as a whole: creation and its failure, SHIFT, ON/OFF and reset.

#include "engine/calculator.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/tests/key_script.h"
#include "platform/simulated_services.h"

namespace tabulor {
namespace {

using testing::KeyScript;

class RecordingWindow final : public WindowLink {
  public:
    void notifyDeactivated() override { calls.push_back("deactivated"); }
    void postClose() override { calls.push_back("close"); }
    std::vector<std::string> calls;
};

TEST(Calculator, InitializeMakesTheDisplayAndDestroyReleasesIt) {
    SimulatedClock clock;
    FixedPower power;
    Calculator calculator({&clock, &power});
    RecordingWindow window;
    setWindow(calculator, &window);
    ASSERT_TRUE(initialize(calculator));
    ASSERT_NE(calculator.display, nullptr);
    EXPECT_TRUE(calculator.display->messageActive);  // the start-up banner
    destroy(calculator);
    EXPECT_EQ(calculator.display, nullptr);
    EXPECT_EQ(calculator.window, nullptr);
}

TEST(Calculator, WithoutAClockInitializeFailsAndMakesNothing) {
    FixedPower power;
    Calculator calculator({nullptr, &power});
    RecordingWindow window;
    setWindow(calculator, &window);
    EXPECT_FALSE(initialize(calculator));
    EXPECT_EQ(calculator.display, nullptr);
    EXPECT_EQ(calculator.window, nullptr);
    pressKey(calculator, Key::Digit1);  // no Display: nothing to act on, and no crash
    EXPECT_TRUE(releaseKey(calculator));
}

TEST(Calculator, BannerFillsTheDisplayThenZeroReturns) {
    SimulatedClock clock;
    FixedPower power;
    Calculator calculator({&clock, &power});
    ASSERT_TRUE(initialize(calculator));
    EXPECT_EQ(displayLine(*calculator.display), "-- tAbuLoR --");
    clock.advance(2001);
    EXPECT_TRUE(expireMessage(*calculator.display));
    EXPECT_EQ(displayLine(*calculator.display), " 0.00");
}

TEST(Shift, IsAOneShot) {
    KeyScript script;
    Calculator& calculator = script.calculator();
    pressKey(calculator, Key::Shift);
    EXPECT_TRUE(calculator.display->shiftShown);
    EXPECT_TRUE(releaseKey(calculator));
    EXPECT_EQ(calculator.shift, ShiftState::On);  // armed after its own release
    pressKey(calculator, Key::Clear);
    EXPECT_FALSE(calculator.display->shiftShown);
    EXPECT_EQ(calculator.shift, ShiftState::On);  // still set while the key is held
    EXPECT_TRUE(releaseKey(calculator));
    EXPECT_EQ(calculator.shift, ShiftState::Off);
    EXPECT_EQ(script.line(), " 12  P_YR");  // the key acted shifted: C ALL
}

TEST(Shift, SecondShiftCancels) {
    KeyScript script;
    script.run("SHIFT SHIFT");
    EXPECT_EQ(script.calculator().shift, ShiftState::Off);
    EXPECT_FALSE(script.display().shiftShown);
    script.run("C");
    EXPECT_EQ(script.line(), " 0.00");
}

TEST(Shift, ArmedShiftSurvivesAPressThatHitsNoKey) {
    KeyScript script;
    script.run("SHIFT");
    EXPECT_FALSE(releaseKey(script.calculator()));  // a pen-up with no key held
    EXPECT_EQ(script.calculator().shift, ShiftState::On);
    EXPECT_EQ(script.line(), " 0.00  [SHIFT]");
}

TEST(Power, OffBlanksClosesAndIgnoresKeys) {
    KeyScript script;
    RecordingWindow window;
    setWindow(script.calculator(), &window);
    script.run("BEG/END 2 + 3 = OFF");
    EXPECT_FALSE(script.calculator().isOn);
    EXPECT_EQ(script.line(), "");
    EXPECT_FALSE(script.display().beginMode);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"deactivated", "close"}));
    script.run("5 SHIFT + CALL");
    EXPECT_EQ(script.line(), "");
    EXPECT_EQ(script.calculator().shift, ShiftState::Off);
    script.run("ON");
    EXPECT_EQ(script.line(), " 0.00");
    EXPECT_TRUE(script.calculator().isOn);
}

struct BatteryCase {
    PowerStatus status;
    bool low;
};

class LowBattery : public ::testing::TestWithParam<BatteryCase> {};

TEST_P(LowBattery, IsJudgedWhenSwitchedOn) {
    KeyScript script(GetParam().status);
    script.run("OFF ON");
    EXPECT_EQ(script.display().lowBattery, GetParam().low);
}

INSTANTIATE_TEST_SUITE_P(
    Percentages, LowBattery,
    ::testing::Values(BatteryCase{{15, 255}, true}, BatteryCase{{19, 100}, true},
                      BatteryCase{{20, 100}, false}, BatteryCase{{100, 19}, true},
                      BatteryCase{{255, 255}, false}, BatteryCase{{0, 255}, true}));

TEST(Power, FailedQueryIsNotLow) {
    SimulatedClock clock;
    const FixedPower failing({5, 5}, false);
    Calculator calculator({&clock, &failing});
    ASSERT_TRUE(initialize(calculator));
    pressKey(calculator, Key::Shift);
    pressKey(calculator, Key::On);
    pressKey(calculator, Key::On);
    EXPECT_TRUE(calculator.isOn);
    EXPECT_FALSE(calculator.display->lowBattery);
}

TEST(Reset, RestoresThePowerOnState) {
    KeyScript script;
    script.run("4 P/YR BEG/END 7 STO 2 2 + ( 3 *");
    reset(script.calculator());
    const Calculator& calculator = script.calculator();
    EXPECT_EQ(calculator.tvm.paymentsPerYear, 12.0);
    EXPECT_FALSE(calculator.display->beginMode);
    EXPECT_EQ(calculator.registers[2], 0.0);
    EXPECT_EQ(calculator.depth, 0);
    EXPECT_EQ(calculator.pendingOps[0], PendingOp::None);
    EXPECT_EQ(script.line(), "-- tAbuLoR --");
    script.run("WAIT");
    EXPECT_EQ(script.line(), " 0.00");
}

}  // namespace
}  // namespace tabulor
