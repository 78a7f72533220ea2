#include "cli/token_parsing.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/token_table.h"
#include "shell/terminal/terminal_text.h"

namespace tabulor {
namespace {

using Taps = std::vector<KeyCode>;

struct TokenCase {
    std::string word;
    Taps taps;
};

// Written from the key legends, not from the table in token_table.cpp.
const TokenCase kKeyTokens[] = {
    {"ON", {0}},        {"0", {1}},          {".", {2}},
    {"=", {3}},         {"+", {4}},          {"C", {5}},
    {"1", {6}},         {"2", {7}},          {"3", {8}},
    {"-", {9}},         {"−", {9}},          {"SHIFT", {10}},
    {"4", {11}},        {"5", {12}},         {"6", {13}},
    {"*", {14}},        {"×", {14}},         {"RCL", {15}},
    {"7", {16}},        {"8", {17}},         {"9", {18}},
    {"/", {19}},        {"÷", {19}},         {"+/-", {20}},
    {"±", {20}},        {"%", {21}},         {"(", {22}},
    {")", {23}},        {"BS", {24}},        {"←", {24}},
    {"<-", {24}},       {"N", {25}},         {"I/YR", {26}},
    {"PV", {27}},       {"PMT", {28}},       {"FV", {29}},
    {"OFF", {10, 0}},   {"./,", {10, 2}},    {"DISP", {10, 3}},
    {"x^2", {10, 4}},   {"x²", {10, 4}},     {"CALL", {10, 5}},
    {"C_ALL", {10, 5}}, {"sqrt", {10, 9}},   {"√x", {10, 9}},
    {"y^x", {10, 14}},  {"yˣ", {10, 14}},    {"STO", {10, 15}},
    {"1/x", {10, 19}},  {"E", {10, 20}},     {"K", {10, 21}},
    {"RND", {10, 24}},  {"xP/YR", {10, 25}}, {"NOM%", {10, 26}},
    {"EFF%", {10, 27}}, {"P/YR", {10, 28}},  {"BEG/END", {10, 29}},
};

TEST(TokenParsing, EveryKeyAndShiftedFunctionHasItsTaps) {
    for (const TokenCase& c : kKeyTokens) {
        SCOPED_TRACE(c.word);
        const std::optional<Token> token = parseToken(c.word);
        ASSERT_TRUE(token.has_value());
        EXPECT_FALSE(token->wait);
        EXPECT_EQ(token->taps, c.taps);
        EXPECT_EQ(token->text, c.word);
    }
}

TEST(TokenParsing, LettersMatchInAnyCaseAndKeepTheirTypedText) {
    const TokenCase cases[] = {
        {"on", {0}},        {"Shift", {10}},       {"rcl", {15}},     {"bs", {24}},
        {"n", {25}},        {"i/yr", {26}},        {"pMt", {28}},     {"c", {5}},
        {"call", {10, 5}},  {"c_all", {10, 5}},    {"X^2", {10, 4}},  {"X²", {10, 4}},
        {"SQRT", {10, 9}},  {"√X", {10, 9}},       {"Y^X", {10, 14}}, {"Yˣ", {10, 14}},
        {"e", {10, 20}},    {"k", {10, 21}},       {"Rnd", {10, 24}}, {"XP/yr", {10, 25}},
        {"nom%", {10, 26}}, {"beg/end", {10, 29}}, {"off", {10, 0}},  {"disp", {10, 3}},
    };
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(c.word);
        const std::optional<Token> token = parseToken(c.word);
        ASSERT_TRUE(token.has_value());
        EXPECT_EQ(token->taps, c.taps);
        EXPECT_EQ(token->text, c.word);
    }
}

TEST(TokenParsing, WaitInAnyCase) {
    for (const char* word : {"WAIT", "wait", "Wait"}) {
        const std::optional<Token> token = parseToken(word);
        ASSERT_TRUE(token.has_value()) << word;
        EXPECT_TRUE(token->wait);
        EXPECT_TRUE(token->taps.empty());
    }
}

TEST(TokenParsing, NumbersAreTheirDigitAndPointKeys) {
    const TokenCase cases[] = {
        {"360", {8, 13, 1}}, {".5", {2, 12}},
        {"5.", {12, 2}},     {"1.25", {6, 2, 7, 12}},
        {"007", {1, 1, 16}}, {"1234567890", {6, 7, 8, 11, 12, 13, 16, 17, 18, 1}},
    };
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(c.word);
        const std::optional<Token> token = parseToken(c.word);
        ASSERT_TRUE(token.has_value());
        EXPECT_EQ(token->taps, c.taps);
    }
}

TEST(TokenParsing, RejectsWordsThatAreNoTokens) {
    // No sign or exponent inside a number; no partial or glued names; no other letters' case
    // folding (the multiplication sign is not an x).
    for (const char* word : {"1.2.3", "1e5", "1E5", "-5", "+5", "..", ".5.", "5a", "bogus", "ONN",
                             "SHIFTC", "x", "X", "ײ", "sqr", "c all", "", "+/−", "1/X2"}) {
        EXPECT_FALSE(parseToken(word).has_value()) << word;
    }
}

TEST(TokenTable, NoTwoNamesCollideIgnoringCase) {
    const auto tokens = namedTokens();
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::optional<NamedToken> found = findNamedToken(tokens[i].name);
        ASSERT_TRUE(found.has_value()) << tokens[i].name;
        EXPECT_EQ(found->action, tokens[i].action) << tokens[i].name;
        EXPECT_EQ(found->code, tokens[i].code) << tokens[i].name;
    }
}

TEST(SplitWords, SeparatesOnAnyAsciiWhiteSpace) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"WAIT", {"WAIT"}},
        {"  WAIT  1\t.\n5\r\n", {"WAIT", "1", ".", "5"}},
        {"a\vb\fc", {"a", "b", "c"}},
    };
    for (const auto& [text, words] : cases) {
        EXPECT_EQ(splitWords(text), words) << text;
    }
}

TEST(ParseTokens, PositionsCountEveryWordOfEveryArgument) {
    const std::vector<std::string> arguments = {"WAIT 1", "", "bogus", "  2 nope x^2 what  "};
    const TokenList list = parseTokens(arguments);
    ASSERT_EQ(list.unknown.size(), 3u);
    EXPECT_EQ(list.unknown[0].text, "bogus");
    EXPECT_EQ(list.unknown[0].position, 3);
    EXPECT_EQ(list.unknown[1].text, "nope");
    EXPECT_EQ(list.unknown[1].position, 5);
    EXPECT_EQ(list.unknown[2].text, "what");
    EXPECT_EQ(list.unknown[2].position, 7);
    ASSERT_EQ(list.tokens.size(), 4u);
    EXPECT_EQ(list.tokens[3].text, "x^2");
}

TEST(ParseTokens, AllKnownGivesTheTokensInOrder) {
    const std::vector<std::string> arguments = {"WAIT 12", "+", "3 ="};
    const TokenList list = parseTokens(arguments);
    EXPECT_TRUE(list.unknown.empty());
    std::vector<std::string> texts;
    for (const Token& token : list.tokens)
        texts.push_back(token.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"WAIT", "12", "+", "3", "="}));
}

TEST(ParseTokens, EmptyArgumentsGiveNoTokens) {
    const std::vector<std::string> arguments = {"", "  "};
    const TokenList list = parseTokens(arguments);
    EXPECT_TRUE(list.tokens.empty());
    EXPECT_TRUE(list.unknown.empty());
}

TEST(UnknownTokenMessage, NamesTheTokenAndItsPosition) {
    EXPECT_EQ(unknownTokenMessage({"bogus", 3}), "tabulor-cli: unknown token 'bogus' (token 3)");
}

TEST(UnknownTokenMessage, NamesItsInputLine) {
    EXPECT_EQ(unknownTokenMessage({"IYR", 2, 3}),
              "tabulor-cli: line 3: unknown token 'IYR' (token 2); did you mean I/YR?");
}

TEST(UnknownTokenMessage, HintsAtTheNearestTokensOrTheKeysOfANumber) {
    const std::pair<std::string, std::string> cases[] = {
        // Letters and digits alike, case and punctuation aside.
        {"IYR", "; did you mean I/YR?"},
        {"NOM", "; did you mean NOM%?"},
        {"yx", "; did you mean y^x?"},
        {"begend", "; did you mean BEG/END?"},
        // A small edit: a letter missing, extra, wrong or swapped; the nearest only.
        {"sqr", "; did you mean sqrt?"},
        {"EF%", "; did you mean EFF%?"},
        {"SHIFTC", "; did you mean SHIFT?"},
        {"RDN", "; did you mean RND?"},
        {"PMV", "; did you mean PV or PMT?"},
        {"xyr", "; did you mean I/YR, xP/YR or P/YR?"},
        // One name per key, the nearest of its names.
        {"1/X2", "; did you mean x^2 or 1/x?"},
        // Names no edit reaches.
        {"x", "; did you mean *?"},
        {"+-", "; did you mean +/-?"},
        {"begin", "; did you mean BEG/END?"},
        // Numbers as the keys type them.
        {"-5", "; type it as 5 +/-"},
        {"+5", "; type it as 5"},
        {"1e3", "; type it as 1 E 3"},
        {"-1.5E-3", "; type it as 1.5 +/- E 3 +/-"},
        {".5e+2", "; type it as .5 E 2"},
        {"1,000", "; type it as 1000"},
        {"-12,345,678.5", "; type it as 12345678.5 +/-"},
        // Nothing near: short words, other words, and commas that may be a decimal mark.
        {"p", ""},
        {"NN", ""},
        {"bogus", ""},
        {"1,5", ""},
        {"12,34", ""},
        {"1e", ""},
        {"1e3" + std::string(40, '0'), ""},
    };
    for (const auto& [word, hint] : cases) {
        EXPECT_EQ(unknownTokenMessage({word, 1}),
                  "tabulor-cli: unknown token '" + terminalSafe(word, 40) + "' (token 1)" + hint);
    }
}

TEST(UnknownTokenMessage, ShowsTheTokenSafelyAndShort) {
    const std::string forty(40, 'x');
    const std::string thirtyNine(39, 'x');
    const std::pair<std::string, std::string> cases[] = {
        {"caf\xc3\xa9\xe2\x82\xac", "caf\xc3\xa9\xe2\x82\xac"},  // UTF-8 stays as it is
        {"\x1b[2J\t", "\\x1b[2J\\x09"},
        {"a\x7f\xc2\x9b"
         "b",
         "a\\x7f\\xc2\\x9bb"},                                  // DEL and a C1 control
        {"\xff(\xe2\x82", "\\xff(\\xe2\\x82"},                  // no UTF-8, a sequence cut short
        {"\xc0\xaf\xed\xa0\x80", "\\xc0\\xaf\\xed\\xa0\\x80"},  // overlong, a surrogate
        {"a\\x1b", "a\\\\x1b"},  // a typed backslash is told from an escape
        // Bidirectional controls, invisible characters, separators and tags.
        {"\xe2\x80\xaeRND\xe2\x81\xa6", "\\u202eRND\\u2066"},
        {"a\xe2\x80\x8b\xe2\x80\xa8"
         "b\xef\xbb\xbf\xc2\xad",
         "a\\u200b\\u2028b\\ufeff\\u00ad"},
        {"\xf3\xa0\x80\x81x", "\\U000e0001x"},
        {forty, forty},
        {forty + "y", forty + "\xe2\x80\xa6"},
        {thirtyNine + "\xc3\xa9\xc3\xa9",
         thirtyNine + "\xc3\xa9\xe2\x80\xa6"},  // characters, not bytes
        {thirtyNine + "\x1b\x1b", thirtyNine + "\\x1b\xe2\x80\xa6"},
    };
    for (const auto& [token, shown] : cases) {
        EXPECT_EQ(unknownTokenMessage({token, 1}),
                  "tabulor-cli: unknown token '" + shown + "' (token 1)");
    }
}

}  // namespace
}  // namespace tabulor
