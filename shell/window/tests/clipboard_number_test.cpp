// Numbers to and from the clipboard, checked through a real calculator.
#include "shell/window/clipboard_number.h"

#include <gtest/gtest.h>

#include <string>

#include "faceplate/hit_test.h"
#include "shell/resources/embedded_images.h"

namespace tabulor {
namespace {

class LateClock final : public TickSource {
  public:
    std::uint32_t now() const override { return now_; }
    std::uint32_t now_ = 0;
};

class ClipboardNumber : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(initialize(calculator));
        clock.now_ += 5000;  // the banner has had its time
        expireMessage(*calculator.display);
    }
    void TearDown() override { destroy(calculator); }

    void type(const std::vector<KeyCode>& keys) {
        for (const KeyCode code : keys) {
            ASSERT_TRUE(pressKeyCell(calculator, code));
            releaseKey(calculator);
        }
    }
    std::optional<std::string> shown() { return displayedNumberText(*calculator.display); }

    LateClock clock;
    Calculator calculator{CalculatorServices{&clock, nullptr}};
};

TEST_F(ClipboardNumber, KeysForNumbers) {
    using namespace Key;
    const struct {
        const char* text;
        std::vector<KeyCode> keys;
    } cases[] = {
        {"7", {Digit7}},
        {"  42\n", {Digit4, Digit2}},
        {"+3.5", {Digit3, Point, Digit5}},
        {".5", {Point, Digit5}},
        {"5.", {Digit5, Point}},
        {"-12.5e3", {Digit1, Digit2, Point, Digit5, ChangeSign, Shift, ChangeSign, Digit3}},
        {"1E-20", {Digit1, Shift, ChangeSign, Digit2, Digit0, ChangeSign}},
        {"9e+9", {Digit9, Shift, ChangeSign, Digit9}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keysForNumberText(c.text), c.keys) << c.text;
}

TEST_F(ClipboardNumber, TextThatIsNoNumberGivesNoKeys) {
    for (const char* text : {"", "abc", ".", "-", "1e", "e5", "1.2.3", "--1", "1,5", "1 2", "1e2.5",
                             "0x10", "12abc", "1e5e5", "inf", "nan"}) {
        EXPECT_EQ(keysForNumberText(text), std::nullopt) << text;
    }
    EXPECT_EQ(keysForNumberText(std::string(65, '1')), std::nullopt);
}

TEST_F(ClipboardNumber, ShownNumbersAsText) {
    using namespace Key;
    type({Digit1, Digit2, Digit3, Digit4, Point, Digit5, Equals});
    EXPECT_EQ(shown(), "1234.50");
    // With the marks swapped the point is still written '.', and the grouping dropped.
    type({Shift, Point});
    EXPECT_EQ(shown(), "1234.50");
    type({Clear, Digit5, Shift, ChangeSign, Digit2, Digit0, Equals});
    EXPECT_EQ(shown(), "5.00e20");
    type({Clear, Digit0, Subtract, Digit1, Digit2, Equals});
    EXPECT_EQ(shown(), "-12.00");
}

TEST_F(ClipboardNumber, AnEntryInProgressIsCopiedAsShown) {
    type(*keysForNumberText("-12.5e3"));
    EXPECT_EQ(shown(), "-12.5e3");
    type({Key::Equals});
    EXPECT_DOUBLE_EQ(calculator.display->value, -12500.0);
}

TEST_F(ClipboardNumber, MessagesAreNoNumber) {
    type({Key::Shift, Key::Clear});  // C ALL shows the P/YR message
    ASSERT_TRUE(calculator.display->messageActive);
    EXPECT_EQ(shown(), std::nullopt);
    reset(calculator);  // the banner
    EXPECT_EQ(shown(), std::nullopt);
}

TEST_F(ClipboardNumber, CopiedTextPastesBackToTheSameValue) {
    for (const char* text : {"0.25", "-7", "123456789012", "3.5e-7", "-2e99"}) {
        SCOPED_TRACE(text);
        type({Key::Clear});
        type(*keysForNumberText(text));
        type({Key::Equals});
        const std::optional<std::string> copied = shown();
        ASSERT_TRUE(copied.has_value());
        // The copy is the value as shown, rounded to the display; keyed back it shows the same.
        type({Key::Clear});
        type(*keysForNumberText(*copied));
        type({Key::Equals});
        EXPECT_EQ(shown(), copied);
        EXPECT_DOUBLE_EQ(calculator.display->value, std::stod(*copied));
    }
}

}  // namespace
}  // namespace tabulor
