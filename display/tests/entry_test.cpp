// Number entry key by key: grouping, the 12-character limit, the exponent and its minus, the
// sign, backspace, and how keys end a message.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "display/display.h"
#include "display/tests/display_readout.h"
#include "platform/simulated_services.h"

namespace tabulor {
namespace {

using testing::key;
using testing::readout;

struct KeyCase {
    const char* keys;
    const char* shown;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << '"' << c.keys << '"';
}

class EntryReadout : public ::testing::TestWithParam<KeyCase> {};

TEST_P(EntryReadout, ShowsTheKeyedCharacters) {
    SimulatedClock clock;
    Display display(clock);
    key(display, GetParam().keys);
    EXPECT_EQ(readout(display), GetParam().shown) << "keys: " << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(Grouping, EntryReadout,
                         ::testing::Values(KeyCase{"1", " 1_"}, KeyCase{"1234", " 1,234_"},
                                           KeyCase{"1234567", " 1,234,567_"},
                                           // After a point the grouping marks stay as they were.
                                           KeyCase{"1234567.5", " 1,234,567.5_"},
                                           KeyCase{"1234.5678", " 1,234.5678_"},
                                           KeyCase{"1234E5", " 1,234E5_"},
                                           KeyCase{"000", " 000_"}));

INSTANTIATE_TEST_SUITE_P(
    Limits, EntryReadout,
    ::testing::Values(
        // The 12th digit shows with its cursor hidden behind the last cell; the 13th is lost.
        KeyCase{"123456789012", " 123,456,789,012"}, KeyCase{"1234567890123", " 123,456,789,012"},
        KeyCase{"123456789012.", " 123,456,789,012."}, KeyCase{"1.2345678901234", " 1.23456789012"},
        // E on 11 characters takes the last cell and no digit can follow.
        KeyCase{"12345678901E5", " 12,345,678,901E"},
        // E on a full entry lands behind the shown cells, and backspace removes it again.
        KeyCase{"123456789012E", " 123,456,789,012"},
        KeyCase{"123456789012E<5", " 123,456,789,012"},
        KeyCase{"123456789012E<<", " 12,345,678,901_"}));

INSTANTIATE_TEST_SUITE_P(PointAndExponent, EntryReadout,
                         ::testing::Values(KeyCase{".", " 0._"}, KeyCase{".5", " 0.5_"},
                                           KeyCase{"E", " 1E_"}, KeyCase{"E5", " 1E5_"},
                                           KeyCase{".E", " 0.E_"}, KeyCase{"..", " 0._"},
                                           KeyCase{"1.2.3", " 1.23_"}, KeyCase{"1E2.", " 1E2_"},
                                           KeyCase{"1E2E3", " 1E23_"}, KeyCase{"1E4567", " 1E456_"},
                                           KeyCase{"1Es4567", " 1E-456_"},
                                           KeyCase{"1E45s67", " 1E-456_"}));

INSTANTIATE_TEST_SUITE_P(
    Sign, EntryReadout,
    ::testing::Values(KeyCase{"s", " 0.00"}, KeyCase{"5s", "-5_"}, KeyCase{"5ss", " 5_"},
                      KeyCase{"5s6", "-56_"}, KeyCase{"1.5Es3", " 1.5E-3_"},
                      KeyCase{"1.5E3s", " 1.5E-3_"}, KeyCase{"1.5Ess3", " 1.5E3_"},
                      KeyCase{"2s1E3s", "-21E-3_"},
                      // An exponent minus that would be the 13th character is ignored.
                      KeyCase{"12345678901Es", " 12,345,678,901E"},
                      KeyCase{"1234567890Es", " 1,234,567,890E-"},
                      KeyCase{"1234567890Es5", " 1,234,567,890E-"}));

INSTANTIATE_TEST_SUITE_P(Backspace, EntryReadout,
                         ::testing::Values(KeyCase{"1234567<", " 123,456_"},
                                           KeyCase{"1234.5<", " 1,234._"},
                                           KeyCase{"1234.5<<", " 1,234_"},
                                           KeyCase{"1234.<5", " 12,345_"}, KeyCase{"1<", " 0.00"},
                                           KeyCase{"<", " 0.00"}, KeyCase{".<", " 0_"},
                                           KeyCase{"E<", " 1_"}, KeyCase{"5s<", " 0.00"},
                                           KeyCase{"1Es<", " 1E_"}, KeyCase{"1Es5<<", " 1E_"}));

TEST(Backspace, TakesApartAnExponentEntryOneCharacterAtATime) {
    SimulatedClock clock;
    Display display(clock);
    key(display, "1.5Es3");
    ASSERT_EQ(readout(display), " 1.5E-3_");
    ASSERT_TRUE(display.exponentNegative);

    struct Step {
        const char* shown;
        int length;
        int pointPos;
        int exponentPos;
        bool exponentNegative;
    };
    const Step steps[] = {
        {" 1.5E-_", 4, 1, 3, true},  // the 3
        {" 1.5E_", 3, 1, 3, false},  // the minus
        {" 1.5_", 2, 1, 0, false},   // the E
        {" 1._", 1, 1, 0, false},    // the 5
        {" 1_", 1, 0, 0, false},     // the point
        {" 0.00", 0, 0, 0, false},   // the last digit: zero in the current format
    };
    for (const Step& step : steps) {
        backspace(display);
        EXPECT_EQ(readout(display), step.shown);
        EXPECT_EQ(display.length, step.length) << step.shown;
        EXPECT_EQ(display.pointPos, step.pointPos) << step.shown;
        EXPECT_EQ(display.exponentPos, step.exponentPos) << step.shown;
        EXPECT_EQ(display.exponentNegative, step.exponentNegative) << step.shown;
    }
    EXPECT_EQ(display.value, 0.0);
    EXPECT_FALSE(display.entryPending);
}

TEST(Backspace, OnAShownResultShowsZero) {
    SimulatedClock clock;
    Display display(clock);
    display.decimals = 3;
    showNumber(display, 42.125);
    backspace(display);
    EXPECT_EQ(readout(display), " 0.000");
    EXPECT_EQ(display.value, 0.0);
}

TEST(Backspace, FirstPressAfterAnErrorOnlyClearsTheError) {
    SimulatedClock clock;
    Display display(clock);
    key(display, "12");
    display.error = ErrorCode::Func;
    backspace(display);
    EXPECT_EQ(display.error, ErrorCode::None);
    EXPECT_EQ(readout(display), " 12_");
    backspace(display);
    EXPECT_EQ(readout(display), " 1_");
}

TEST(Backspace, AfterAnErrorLeavesAMessageToExpire) {
    SimulatedClock clock(5000);
    Display display(clock);
    showNumber(display, 7.0);
    showMessage(display, u" no Solutjon", MessageKind::NoSolution);
    display.error = ErrorCode::Tvm;

    backspace(display);
    EXPECT_EQ(display.error, ErrorCode::None);
    EXPECT_TRUE(display.messageActive);
    EXPECT_EQ(readout(display), " no 5oLutjon");

    clock.advance(2001);
    EXPECT_TRUE(expireMessage(display));
    EXPECT_EQ(readout(display), " 7.00");
}

TEST(Backspace, WithoutAnErrorEndsAMessage) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, 7.0);
    showMessage(display, u" HELP", MessageKind::Banner);
    backspace(display);
    EXPECT_FALSE(display.messageActive);
    EXPECT_EQ(readout(display), " 0.00");
}

TEST(Entry, KeysSetEntryPendingAndANewEntryBlanksTheSign) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, -5.0);
    EXPECT_FALSE(display.entryPending);
    appendDigit(display, 7);
    EXPECT_TRUE(display.entryPending);
    EXPECT_EQ(readout(display), " 7_");
}

TEST(Entry, AnEntryEndedByReadNumberIsReplacedByTheNextDigit) {
    SimulatedClock clock;
    Display display(clock);
    key(display, "12.5");
    EXPECT_EQ(readNumber(display, false), 12.5);
    EXPECT_EQ(readout(display), " 12.5_");
    EXPECT_TRUE(display.entryPending);
    key(display, "3");
    EXPECT_EQ(readout(display), " 3_");
}

TEST(Entry, DigitPointAndExponentEndAMessageButTheSignDoesNot) {
    struct Case {
        const char* keys;
        bool messageLeft;
    };
    const Case cases[] = {{"4", false}, {".", false}, {"E", false}, {"s", true}};
    for (const Case& c : cases) {
        SimulatedClock clock;
        Display display(clock);
        showNumber(display, 3.0);
        showMessage(display, u" HI", MessageKind::Banner);
        key(display, c.keys);
        EXPECT_EQ(display.messageActive, c.messageLeft) << c.keys;
    }
}

TEST(Entry, AFullEntryIgnoresADigitWithoutEndingAMessage) {
    SimulatedClock clock;
    Display display(clock);
    key(display, "123456789012");
    showMessage(display, u" HI", MessageKind::Banner);
    appendDigit(display, 3);
    EXPECT_TRUE(display.messageActive);
    EXPECT_EQ(display.length, 12);
}

TEST(Entry, NeverWritesBeyondTheStoredCells) {
    // Every key on every length: the cells past the shown ones hold only the cursor, an E or a
    // blank, and the readout never shows a glyph outside the table.
    const std::string keys = "0123456789.Es<";
    for (const char first : keys) {
        for (const char second : keys) {
            SimulatedClock clock;
            Display display(clock);
            std::string sequence = "12345678901";
            sequence += first;
            sequence += second;
            sequence += "E5s5s5<<<<";
            key(display, sequence);
            EXPECT_LE(display.length, 13) << sequence;
            for (const Glyph glyph : display.cells) {
                EXPECT_GE(static_cast<int>(glyph), 0) << sequence;
                EXPECT_LT(static_cast<int>(glyph), kGlyphCount) << sequence;
            }
            EXPECT_EQ(readout(display).find('?'), std::string::npos) << sequence;
        }
    }
}

TEST(ChangeSign, OnAShownValueTogglesOnlyTheSignCell) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, -5.0);
    changeSign(display);
    EXPECT_EQ(readout(display), " 5.00");
    EXPECT_EQ(display.value, -5.0);  // unchanged until the cells are parsed
    EXPECT_TRUE(display.entryPending);
    EXPECT_EQ(readNumber(display, false), 5.0);
}

TEST(ChangeSign, OfAResultYieldsTheNumberAsDisplayed) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, 2.0 / 3.0);
    changeSign(display);
    EXPECT_EQ(readout(display), "-0.67");
    EXPECT_EQ(readNumber(display, false), -0.67);
}

TEST(ChangeSign, DuringAMessageNegatesTheValueUnderIt) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, std::numeric_limits<double>::infinity());
    ASSERT_EQ(readout(display), " 0FL0");

    changeSign(display);
    EXPECT_EQ(readout(display), "-0FL0");
    EXPECT_TRUE(display.messageActive);
    EXPECT_TRUE(display.entryPending);
    EXPECT_EQ(readNumber(display, false), -1e300);

    clock.advance(2001);
    EXPECT_TRUE(expireMessage(display));
    EXPECT_EQ(readout(display), "-1.00E300");
    EXPECT_EQ(display.value, -1e300);
}

TEST(ChangeSign, DuringAMessageOverZeroDoesNothing) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, 0.0);
    showMessage(display, u" no Solutjon", MessageKind::NoSolution);
    changeSign(display);
    EXPECT_EQ(readout(display), " no 5oLutjon");
    EXPECT_FALSE(display.entryPending);
}

}  // namespace
}  // namespace tabulor
