// The state checker that the fuzzer and the soak rely on: sound states reached by keys pass, and
// each rule, broken on its own in an otherwise sound state, is reported.

#include "engine/invariants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "engine/tests/key_script.h"
#include "platform/simulated_services.h"

namespace tabulor {
namespace {

using testing::KeyScript;

std::string joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines)
        all += line + "\n";
    return all;
}

// States the keys reach, from the plain start to the corners of number entry.
constexpr std::string_view kSoundStates[] = {
    "",                            // the start-up banner still shown
    "WAIT",                        // 0.00
    "1234567",                     // grouping during entry
    "1234 . 5 E 1 2 +/-",          // point, E and an exponent minus
    "12345678901 E",               // the E in the last shown cell
    "123456789012 E",              // the E behind the shown cells
    "123456789012 .",              // the point after the twelfth digit
    "1 E +/- 4 5 6 7",             // the fourth exponent digit ignored
    "1234 . 5 ./,",                // marks exchanged during entry
    "2 + ( 3 * ( ( ( (",           // every level open, FULL raised
    "1 / 3 = RND",                 // a rounded value counting as keyed
    "CALL",                        // a message
    "2 / 3 = DISP =",              // the full-mantissa view
    "OFF",                         // blank cells
    "1 E 999 x^2",                 // overflow
    "2 +/- y^x .5 =",              // not a number
    "360 N 6 I/YR 100000 PV PMT",  // a solve
    "STO + 5 RCL",                 // a storage operator and a prefix
    "5 K",                         // K with nothing waiting
    "2 * 3 K =",                   // a constant
};

TEST(Invariants, HoldInStatesTheKeysReach) {
    for (const std::string_view tokens : kSoundStates) {
        KeyScript script;
        script.run(tokens);
        EXPECT_EQ(joined(findInvariantViolations(script.calculator())), "") << tokens;
    }
}

TEST(Invariants, WithoutADisplayOnlyTheEngineIsChecked) {
    SimulatedClock clock;
    FixedPower power;
    Calculator calculator({&clock, &power});
    EXPECT_TRUE(findInvariantViolations(calculator).empty());
    calculator.depth = 7;
    EXPECT_EQ(findInvariantViolations(calculator).size(), 1u);
}

// One rule broken on a fresh copy of a sound state: the keys to reach it, the fault, and the
// words the report must hold.
struct BrokenRule {
    std::string_view name;
    std::string_view tokens;
    std::function<void(Calculator&, Display&)> breakIt;
    std::string_view reported;
};

// "1,234.5E-12_": cells 1..4 = 1234, point after 4, 5 in 5, E in 6, minus in 7, 12 in 8..9.
constexpr std::string_view kEntry = "1234 . 5 E 1 2 +/-";

const BrokenRule kBrokenRules[] = {
    // The engine.
    {"prefix", "WAIT", [](Calculator& c, Display&) { c.prefixMode = static_cast<PrefixMode>(4); },
     "prefixMode"},
    {"negative prefix", "WAIT",
     [](Calculator& c, Display&) { c.prefixMode = static_cast<PrefixMode>(-1); }, "prefixMode"},
    {"shift", "WAIT", [](Calculator& c, Display&) { c.shift = ShiftState{2}; }, "shift"},
    {"depth high", "WAIT", [](Calculator& c, Display&) { c.depth = kLevels; }, "depth"},
    {"depth low", "WAIT", [](Calculator& c, Display&) { c.depth = -1; }, "depth"},
    {"no code 6", "WAIT 2 + (",
     [](Calculator& c, Display&) { c.pendingOps[4] = static_cast<PendingOp>(6); }, "pendingOps"},
    {"code past ResultShown", "WAIT",
     [](Calculator& c, Display&) { c.pendingOps[0] = static_cast<PendingOp>(8); }, "pendingOps"},
    {"storage power", "WAIT STO", [](Calculator& c, Display&) { c.storageOp = PendingOp::Power; },
     "storageOp"},
    {"constant code", "WAIT 2 * 3 K",
     [](Calculator& c, Display&) { c.constantOp = static_cast<PendingOp>(6); }, "constantOp"},
    {"P/YR below 1", "WAIT", [](Calculator& c, Display&) { c.tvm.paymentsPerYear = 0.5; }, "P/YR"},
    {"P/YR zero", "WAIT", [](Calculator& c, Display&) { c.tvm.paymentsPerYear = 0.0; }, "P/YR"},
    {"P/YR fraction", "WAIT", [](Calculator& c, Display&) { c.tvm.paymentsPerYear = 12.25; },
     "P/YR"},
    {"P/YR NaN", "WAIT",
     [](Calculator& c, Display&) {
         c.tvm.paymentsPerYear = std::numeric_limits<double>::quiet_NaN();
     },
     "P/YR"},
    {"P/YR infinite", "WAIT",
     [](Calculator& c, Display&) {
         c.tvm.paymentsPerYear = std::numeric_limits<double>::infinity();
     },
     "P/YR"},

    // Cells, marks and the display's settings, whatever is shown.
    {"glyph past the strip", "WAIT", [](Calculator&, Display& d) { d.cells[3] = Glyph{34}; },
     "cell holds no glyph"},
    {"negative glyph in storage", "WAIT", [](Calculator&, Display& d) { d.cells[15] = Glyph{-1}; },
     "cell holds no glyph"},
    {"mark code", "WAIT", [](Calculator&, Display& d) { d.marks[4] = MarkCode{3}; },
     "mark holds no mark"},
    {"negative mark", "WAIT", [](Calculator&, Display& d) { d.marks[14] = MarkCode{-1}; },
     "mark holds no mark"},
    {"both marks points", "WAIT", [](Calculator&, Display& d) { d.groupMark = MarkCode::Point; },
     "decimal and grouping marks"},
    {"decimals", "WAIT", [](Calculator&, Display& d) { d.decimals = 10; }, "decimals"},
    {"error never raised", "WAIT", [](Calculator&, Display& d) { d.error = ErrorCode::StatError; },
     "error"},
    {"length negative", "WAIT", [](Calculator&, Display& d) { d.length = -1; }, "length outside"},
    {"length past storage", kEntry, [](Calculator&, Display& d) { d.length = kCellStorage; },
     "length outside"},
    {"pointPos past storage", kEntry, [](Calculator&, Display& d) { d.pointPos = 16; },
     "pointPos outside"},
    {"exponentPos negative", kEntry, [](Calculator&, Display& d) { d.exponentPos = -2; },
     "exponentPos outside"},

    // No entry.
    {"point without entry", "WAIT", [](Calculator&, Display& d) { d.pointPos = 2; },
     "without an entry"},
    {"exponent minus without entry", "WAIT",
     [](Calculator&, Display& d) { d.exponentNegative = true; }, "without an entry"},

    // An entry being keyed.
    {"entry of 14", "123456789012 E",
     [](Calculator&, Display& d) {
         d.length = 14;
         d.cells[14] = Glyph{5};
         d.cells[15] = Glyph::Cursor;
     },
     "longer than 13"},
    {"entry not pending", kEntry, [](Calculator&, Display& d) { d.entryPending = false; },
     "not pending"},
    {"point beyond", "12 .",
     [](Calculator&, Display& d) {
         d.pointPos = 3;
         d.marks[2] = MarkCode::None;
         d.marks[3] = d.decimalMark;
     },
     "point beyond"},
    {"E beyond", "1 E", [](Calculator&, Display& d) { d.exponentPos = 3; }, "E beyond"},
    {"point after E", "1 E 2",
     [](Calculator&, Display& d) {
         d.pointPos = 3;
         d.marks[3] = d.decimalMark;
     },
     "point not before the E"},
    {"exponent minus without E", "123", [](Calculator&, Display& d) { d.exponentNegative = true; },
     "exponent minus"},
    {"exponent minus without its cell", "1 E",
     [](Calculator&, Display& d) { d.exponentNegative = true; }, "exponent minus"},
    {"letter among digits", kEntry, [](Calculator&, Display& d) { d.cells[2] = Glyph{13}; },
     "wrong glyph"},
    {"E lost", kEntry, [](Calculator&, Display& d) { d.cells[6] = Glyph{1}; }, "wrong glyph"},
    {"exponent minus lost", kEntry, [](Calculator&, Display& d) { d.exponentNegative = false; },
     "wrong glyph"},
    {"cursor lost", kEntry, [](Calculator&, Display& d) { d.cells[10] = Glyph::Blank; },
     "no cursor"},
    {"digit after the cursor", kEntry, [](Calculator&, Display& d) { d.cells[13] = Glyph{4}; },
     "not blank"},
    {"sign cell letter", kEntry, [](Calculator&, Display& d) { d.cells[0] = Glyph::Exponent; },
     "sign cell"},
    {"four exponent digits", "1 E 4 5 6",
     [](Calculator&, Display& d) {
         d.cells[6] = Glyph{7};
         d.cells[7] = Glyph::Cursor;
         d.length = 6;
     },
     "exponent digits"},
    {"second decimal mark", kEntry, [](Calculator&, Display& d) { d.marks[2] = d.decimalMark; },
     "decimal mark away"},
    {"point mark lost", kEntry, [](Calculator&, Display& d) { d.marks[4] = MarkCode::None; },
     "no decimal mark at the keyed point"},
    {"grouping right of the point", kEntry,
     [](Calculator&, Display& d) { d.marks[5] = d.groupMark; }, "grouping mark"},
    {"grouping right of the E", "1234 E 5",
     [](Calculator&, Display& d) { d.marks[6] = d.groupMark; }, "grouping mark"},
    {"grouping after the sign cell", "1234",
     [](Calculator&, Display& d) { d.marks[0] = d.groupMark; }, "grouping mark"},
};

TEST(Invariants, EachBrokenRuleIsReported) {
    for (const BrokenRule& rule : kBrokenRules) {
        SCOPED_TRACE(std::string(rule.name));
        KeyScript script;
        script.run(rule.tokens);
        ASSERT_EQ(joined(findInvariantViolations(script.calculator())), "")
            << "the state must be sound before it is broken";
        rule.breakIt(script.calculator(), *script.calculator().display);
        const std::string report = joined(findInvariantViolations(script.calculator()));
        EXPECT_NE(report.find(rule.reported), std::string::npos) << report;
    }
}

// The keyed cells are not checked under a message; the message's cells themselves still are.
TEST(Invariants, AMessageCoversTheEntryShapeButNotTheGlyphRange) {
    KeyScript script;
    script.run("CALL");
    Display& display = *script.calculator().display;
    ASSERT_TRUE(display.messageActive);
    display.cells[5] = Glyph{40};
    EXPECT_NE(joined(findInvariantViolations(script.calculator())).find("cell holds no glyph"),
              std::string::npos);
}

}  // namespace
}  // namespace tabulor
