#include "cli/options.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tabulor {
namespace {

ParsedOptions parse(std::vector<std::string> arguments) {
    return parseOptions(arguments);
}

TEST(ParseOptions, DefaultsWithoutArguments) {
    const ParsedOptions parsed = parse({});
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.format, OutputFormat::Line);
    EXPECT_FALSE(parsed.options.trace);
    EXPECT_FALSE(parsed.options.battery.has_value());
    EXPECT_EQ(parsed.options.clockStart, 0u);
    EXPECT_EQ(parsed.options.pngPath, "");
    EXPECT_FALSE(parsed.options.tokenMode);
    EXPECT_TRUE(parsed.options.tokenArguments.empty());
}

TEST(ParseOptions, OptionsThenTokens) {
    const ParsedOptions parsed =
        parse({"--json", "--trace", "--battery", "15", "--clock=4294967295", "WAIT", "1 2"});
    ASSERT_EQ(parsed.error, "");
    const CliOptions& o = parsed.options;
    EXPECT_EQ(o.format, OutputFormat::Json);
    EXPECT_TRUE(o.trace);
    ASSERT_TRUE(o.battery.has_value());
    EXPECT_EQ(o.battery->mainPercent, 15);
    EXPECT_EQ(o.battery->backupPercent, 255);
    EXPECT_EQ(o.clockStart, 4294967295u);
    EXPECT_TRUE(o.tokenMode);
    EXPECT_EQ(o.tokenArguments, (std::vector<std::string>{"WAIT", "1 2"}));
}

TEST(ParseOptions, WhereTheTokensStart) {
    struct Case {
        std::vector<std::string> arguments;
        bool tokenMode;
        std::vector<std::string> tokens;
    };
    const Case cases[] = {
        // The first argument that is not an option starts the tokens, options after it included.
        {{"WAIT", "--json"}, true, {"WAIT", "--json"}},
        // "--" ends the options, even before something that looks like one.
        {{"--", "--json"}, true, {"--json"}},
        {{"--trace", "--"}, false, {}},
        // An empty argument is a TOKENS argument.
        {{""}, true, {""}},
        {{"--json", ""}, true, {""}},
        // A lone "-" is the subtraction key, not an option.
        {{"-", "5"}, true, {"-", "5"}},
        // So is a signed number; -h is help only where an option may stand.
        {{"-5"}, true, {"-5"}},
        {{"WAIT", "-h"}, true, {"WAIT", "-h"}},
        {{"--", "--", "1"}, true, {"--", "1"}},
    };
    for (const Case& c : cases) {
        const ParsedOptions parsed = parse(c.arguments);
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        EXPECT_EQ(parsed.error, "");
        EXPECT_EQ(parsed.options.tokenMode, c.tokenMode);
        EXPECT_EQ(parsed.options.tokenArguments, c.tokens);
    }
}

TEST(ParseOptions, HelpAndVersionStopTheParsing) {
    ParsedOptions parsed = parse({"--help", "--no-such-option"});
    EXPECT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.options.showHelp);

    parsed = parse({"--json", "-h", "--no-such-option"});
    EXPECT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.options.showHelp);

    parsed = parse({"--json", "--version", "--battery", "999"});
    EXPECT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.options.showVersion);
    EXPECT_FALSE(parsed.options.showHelp);
}

TEST(ParseOptions, PngTakesAFileNameInEitherForm) {
    struct Case {
        std::vector<std::string> arguments;
        std::string path;
        std::vector<std::string> tokens;
    };
    const Case cases[] = {
        {{"--png", "face.png", "WAIT"}, "face.png", {"WAIT"}},
        {{"--png=out/face.png", "WAIT"}, "out/face.png", {"WAIT"}},
        // The value is taken as it stands, even when it looks like an option or has an '='.
        {{"--png", "--json", "1"}, "--json", {"1"}},
        {{"--png=a=b.png"}, "a=b.png", {}},
        {{"--png", "first.png", "--png", "second.png"}, "second.png", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const ParsedOptions parsed = parse(c.arguments);
        ASSERT_EQ(parsed.error, "");
        EXPECT_EQ(parsed.options.pngPath, c.path);
        EXPECT_EQ(parsed.options.tokenArguments, c.tokens);
        EXPECT_EQ(parsed.options.format, OutputFormat::Line);
    }
}

TEST(ParseOptions, AmortizeAndScheduleAreOneChoiceTheLaterCounts) {
    ParsedOptions parsed = parse({"--schedule", "--amortize=013-24", "WAIT"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_FALSE(parsed.options.schedule);
    EXPECT_EQ(parsed.options.amortize->first, 13);
    EXPECT_EQ(parsed.options.amortize->last, 24);
    // Without '=' the schedule takes no value: what follows is a token.
    parsed = parse({"--amortize", "1-12", "--schedule", "yearly"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_FALSE(parsed.options.amortize);
    EXPECT_EQ(parsed.options.schedule, ScheduleGrouping::ByPayment);
    EXPECT_EQ(parsed.options.tokenArguments, std::vector<std::string>{"yearly"});
    EXPECT_EQ(parse({"--schedule=yearly"}).options.schedule, ScheduleGrouping::ByYear);
}

TEST(ParseOptions, ALaterValueReplacesAnEarlierOne) {
    const ParsedOptions parsed =
        parse({"--clock", "5", "--clock", "7", "--battery=1,2", "--battery", "50"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.clockStart, 7u);
    EXPECT_EQ(parsed.options.battery->mainPercent, 50);
    EXPECT_EQ(parsed.options.battery->backupPercent, 255);
}

TEST(ParseOptions, BadCommandLinesSayWhatIsWrong) {
    struct Case {
        std::vector<std::string> arguments;
        std::string errorPart;
    };
    const Case cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"--bogus=3"}, "unknown option '--bogus'"},
        {{"--JSON"}, "unknown option '--JSON'"},
        {{"--json=yes"}, "'--json' takes no value"},
        {{"--clock"}, "'--clock' needs a value T0"},
        {{"--battery"}, "'--battery' needs a value MAIN[,BACKUP]"},
        {{"--png"}, "'--png' needs a value FILE"},
        {{"--png="}, "'--png' needs a file name"},
        {{"--png", ""}, "'--png' needs a file name"},
        {{"--clock", "4294967296"}, "invalid clock '4294967296'"},
        {{"--clock", "-1"}, "invalid clock '-1'"},
        {{"--clock", "+1"}, "invalid clock '+1'"},
        {{"--clock", ""}, "invalid clock ''"},
        {{"--clock", "12ms"}, "invalid clock '12ms'"},
        {{"--clock", "99999999999999999999999"}, "invalid clock"},
        {{"--battery", "101"}, "invalid battery '101'"},
        {{"--battery", "254"}, "invalid battery '254'"},
        {{"--battery", "256"}, "invalid battery '256'"},
        {{"--battery", "15,"}, "invalid battery '15,'"},
        {{"--battery", ",15"}, "invalid battery ',15'"},
        {{"--battery", "15,101"}, "invalid battery '15,101'"},
        {{"--battery", "15,20,30"}, "invalid battery '15,20,30'"},
        {{"--battery", "full"}, "invalid battery 'full'"},
        {{"--battery", " 15"}, "invalid battery ' 15'"},
        {{"--battery=-1"}, "invalid battery '-1'"},
        {{"--amortize"}, "'--amortize' needs a value P1-P2"},
        {{"--amortize", "12"}, "invalid range '12'"},
        {{"--amortize", "1-"}, "invalid range '1-'"},
        {{"--amortize", "-12"}, "invalid range '-12'"},
        {{"--amortize", "1-2-3"}, "invalid range '1-2-3'"},
        {{"--amortize", "1 - 2"}, "invalid range '1 - 2'"},
        {{"--amortize", "1-99999999999999999999"}, "invalid range"},
        {{"--schedule=monthly"}, "invalid schedule 'monthly'"},
        // What the user typed is shown safely.
        {{"--clock", "\x1b[2J"}, "invalid clock '\\x1b[2J'"},
        {{"--\x1b[2J"}, "unknown option '--\\x1b[2J'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const ParsedOptions parsed = parse(c.arguments);
        EXPECT_NE(parsed.error.find(c.errorPart), std::string::npos) << parsed.error;
    }
}

TEST(ParseClock, AnyDecimalInRangeLeadingZerosIncluded) {
    const std::string zeros(30, '0');
    for (const auto& [text, ticks] : {std::pair<std::string, std::uint32_t>{"0", 0},
                                      {"000", 0},
                                      {"007", 7},
                                      {zeros + "4294967295", 4294967295u}}) {
        std::uint32_t parsed = 1;
        EXPECT_EQ(parseClock(text, parsed), "") << text;
        EXPECT_EQ(parsed, ticks) << text;
    }
    std::uint32_t parsed = 0;
    EXPECT_NE(parseClock(zeros + "4294967296", parsed), "");
}

TEST(ParseBattery, AcceptsPercentagesAndUnknown) {
    struct Case {
        std::string text;
        int main;
        int backup;
    };
    const Case cases[] = {
        {"0", 0, 255},     {"100", 100, 255}, {"255", 255, 255},
        {"19,20", 19, 20}, {"20,0", 20, 0},   {"007,255", 7, 255},
    };
    for (const Case& c : cases) {
        PowerStatus status;
        EXPECT_EQ(parseBattery(c.text, status), "") << c.text;
        EXPECT_EQ(status.mainPercent, c.main) << c.text;
        EXPECT_EQ(status.backupPercent, c.backup) << c.text;
    }
}

TEST(ParseBattery, LeavesTheStatusAloneOnError) {
    PowerStatus status{42, 43};
    EXPECT_NE(parseBattery("42,300", status), "");
    EXPECT_EQ(status.mainPercent, 42);
    EXPECT_EQ(status.backupPercent, 43);
}

TEST(OptionTable, NamesAreUniqueLongOptions) {
    const auto table = optionTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].name.substr(0, 2), "--");
        EXPECT_FALSE(table[i].summary.empty()) << table[i].name;
        for (std::size_t j = i + 1; j < table.size(); ++j)
            EXPECT_NE(table[i].name, table[j].name);
    }
}

}  // namespace
}  // namespace tabulor
