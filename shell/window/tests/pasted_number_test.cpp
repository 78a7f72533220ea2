// Numbers as others write them, brought to the plain form the clipboard keys in.
#include "shell/window/pasted_number.h"

#include <gtest/gtest.h>

namespace tabulor {
namespace {

TEST(PastedNumber, WrittenFormsWithThePointAsDecimalMark) {
    const struct {
        const char* text;
        const char* plain;
    } cases[] = {
        {"42", "42"},
        {"  -12.5e3\n", "-12.5e3"},
        {"1,234.56", "1234.56"},
        {"$1,234.56", "1234.56"},
        {"(1,234.56)", "-1234.56"},
        {"($1,234.56)", "-1234.56"},
        {"$ (1,234.56)", "-1234.56"},
        {"\u221242", "-42"},
        {"-$5", "-5"},
        {"$-5", "-5"},
        {"1,234.56-", "-1234.56"},
        {"1234.56 \u2212", "-1234.56"},
        {"+7", "7"},
        {"\u20AC 1 234 567.5", "1234567.5"},
        {"\u00A31\u00A0234", "1234"},
        {"\u00A51\u202F234\u202F567", "1234567"},
        {"1\u2009000", "1000"},
        {"1'234'567.89", "1234567.89"},
        {"1\u2019234", "1234"},
        {"12,345,678", "12345678"},
        {".5", ".5"},
        {"1.5E+3", "1.5e3"},
        {"2e\u22127", "2e-7"},
        {"1,234e2", "1234e2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plainNumberText(c.text, '.'), c.plain) << c.text;
}

// With the marks swapped the point groups. A point that cannot be grouping is the decimal point
// that programs and our own copy write; one that could be either is refused.
TEST(PastedNumber, WrittenFormsWithTheCommaAsDecimalMark) {
    const struct {
        const char* text;
        const char* plain;
    } cases[] = {
        {"1.234,56", "1234.56"},
        {"-1.234.567,5", "-1234567.5"},
        {"1 234,5", "1234.5"},
        {"12,5", "12.5"},
        {"(1.234,56 )", "-1234.56"},
        {"1234.50", "1234.50"},
        {"-12.5e3", "-12.5e3"},
        {"1234", "1234"},
        {"0.25", "0.25"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plainNumberText(c.text, ','), c.plain) << c.text;
    for (const char* text : {"1.234", "-5.000", "1,2.5", "1,234.5"})
        EXPECT_EQ(plainNumberText(text, ','), std::nullopt) << text;
}

TEST(PastedNumber, TextThatIsNoNumberOrAmbiguousIsRefused) {
    for (const char* text : {
             "",
             "   ",
             "abc",
             "$",
             "-",
             "()",
             ".",
             "1.2.3",
             "--1",
             "-(5)",
             "(-5)",
             "(5",
             "5)",
             "$$5",
             "5$",  // the currency sign leads
             "1,23",
             "1,5",        // a decimal comma when the point is the decimal mark
             "12,34,567",  // groups of two
             "1,2345",
             ",123",
             "1,,234",
             "1,234,",
             "1234,567",
             "1,234 567",  // two kinds of grouping
             "1.234,5",    // the comma groups, so nothing may follow the point but digits
             "1.234 5",
             "1e",
             "e5",
             "1e2.5",
             "1e 5",
             "1e5e5",
             "0x10",
             "inf",
             "nan",
             "1 2",
             "5-3",
             "+5-",
             "1\u00A0\u00A0234",
             "\xff",
         }) {
        EXPECT_EQ(plainNumberText(text, '.'), std::nullopt) << text;
    }
    EXPECT_EQ(plainNumberText(std::string(129, '1'), '.'), std::nullopt);
}

}  // namespace
}  // namespace tabulor
