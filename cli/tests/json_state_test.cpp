#include "cli/json_state.h"

#include <gtest/gtest.h>

#include <limits>

#include "cli/json_line.h"
#include "platform/simulated_services.h"

namespace tabulor {
namespace {

// A Calculator filled by hand, without initialize: the JSON reads only the record.
class JsonStateTest : public testing::Test {
  protected:
    JsonStateTest() {
        calculator.display = std::make_unique<Display>(clock);
        Display& d = *calculator.display;
        d.cells.fill(Glyph::Blank);
        d.marks.fill(MarkCode::None);
        d.cells[1] = Glyph{0};
        d.marks[1] = MarkCode::Point;
        d.cells[2] = Glyph{3};
        d.cells[3] = Glyph{3};
    }

    SimulatedClock clock;
    FixedPower power;
    Calculator calculator{CalculatorServices{&clock, &power}};
};

TEST_F(JsonStateTest, WholeObjectInItsOrder) {
    Display& d = *calculator.display;
    d.value = 0.33;
    d.entryPending = true;
    d.pendShown = true;
    d.decimals = 2;
    calculator.isOn = true;
    calculator.prefixMode = PrefixMode::Store;
    calculator.depth = 2;
    calculator.registers = {0.0, 1.5, -2.0, 1e300, 0.1, 0, 0, 0, 0, 7.0};
    calculator.tvm = TvmRegisters{360, 6.5, -100000, 632.0680169, 0, 30, 6.5, 6.6971852, 12};
    EXPECT_EQ(formatJsonLine(stateJson(calculator)),
              R"({"display": " 0.33", "message": null, "annunciators": ["PEND"], "error": 0, )"
              R"("value": 0.33, )"
              R"("entryPending": true, "isOn": true, "prefixMode": 1, "depth": 2, "decimals": 2, )"
              R"("registers": [0.0, 1.5, -2.0, 1e+300, 0.1, 0.0, 0.0, 0.0, 0.0, 7.0], )"
              R"("tvm": {"n": 360.0, "interestPerYear": 6.5, "presentValue": -100000.0, )"
              R"("payment": 632.0680169, "futureValue": 0.0, "years": 30.0, )"
              R"("nominalPercent": 6.5, "effectivePercent": 6.6971852, "paymentsPerYear": 12.0}})");
}

TEST_F(JsonStateTest, ErrorOffAndPrefixCodes) {
    Display& d = *calculator.display;
    d.error = ErrorCode::Func;
    d.cells.fill(Glyph::Blank);
    d.marks.fill(MarkCode::None);
    calculator.isOn = false;
    calculator.prefixMode = PrefixMode::DisplayFormat;
    const nlohmann::ordered_json state = stateJson(calculator);
    EXPECT_EQ(state["display"], "");
    EXPECT_EQ(state["annunciators"], nlohmann::ordered_json::array({"ERROR FUNC"}));
    EXPECT_EQ(state["error"], 4);
    EXPECT_EQ(state["isOn"], false);
    EXPECT_EQ(state["prefixMode"], 3);
}

TEST_F(JsonStateTest, NonFiniteNumbersAreNamed) {
    calculator.display->value = std::numeric_limits<double>::quiet_NaN();
    calculator.registers[4] = -std::numeric_limits<double>::infinity();
    calculator.tvm.payment = std::numeric_limits<double>::infinity();
    const nlohmann::ordered_json state = stateJson(calculator);
    EXPECT_EQ(state["value"], "NaN");
    EXPECT_EQ(state["registers"][4], "-Infinity");
    EXPECT_EQ(state["tvm"]["payment"], "Infinity");
    // And the line is still JSON that a standard parser reads.
    EXPECT_TRUE(nlohmann::json::parse(formatJsonLine(state)).is_object());
}

TEST_F(JsonStateTest, NumbersReadBackExactly) {
    calculator.display->value = 2.0 / 3.0;
    calculator.registers[0] = 1.0 / 7.0;
    calculator.tvm.interestPerYear = 0.1 + 0.2;
    const nlohmann::json back = nlohmann::json::parse(formatJsonLine(stateJson(calculator)));
    EXPECT_EQ(back["value"].get<double>(), 2.0 / 3.0);
    EXPECT_EQ(back["registers"][0].get<double>(), 1.0 / 7.0);
    EXPECT_EQ(back["tvm"]["interestPerYear"].get<double>(), 0.1 + 0.2);
}

}  // namespace
}  // namespace tabulor
