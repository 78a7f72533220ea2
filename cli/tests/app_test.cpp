// The whole program in process: the command line, token mode, the input loop, and failures.
#include "cli/app.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/help_text.h"
#include "cli/input_lines.h"
#include "cli/tests/in_process_run.h"
#include "shell/resources/embedded_images.h"

namespace tabulor {
namespace {

CliRun run(std::vector<std::string> arguments, const std::string& input = "",
           const ImageStore& images = embeddedImages()) {
    return runInProcess(std::move(arguments), input, images);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

TEST(TokenMode, OneLineAtTheEnd) {
    const CliRun r = run({"WAIT", "1234567"});
    EXPECT_EQ(r.exitCode, kExitOk);
    EXPECT_EQ(r.out, " 1,234,567_\n");
    EXPECT_EQ(r.err, "");
}

TEST(TokenMode, ArgumentsMayHoldSeveralTokens) {
    EXPECT_EQ(run({"WAIT 1234567 . 5"}).out, run({"WAIT", "1234567", ".", "5"}).out);
    EXPECT_EQ(run({"  WAIT\t1 ", " 2"}).out, " 12_\n");
}

TEST(TokenMode, AnUnknownTokenRunsNothing) {
    const CliRun r = run({"WAIT", "1", "bogus"});
    EXPECT_EQ(r.exitCode, kExitUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tabulor-cli: unknown token 'bogus' (token 3)\n");
}

TEST(TokenMode, EveryUnknownTokenIsNamed) {
    const CliRun r = run({"WAIT nope 1", "x 2"});
    EXPECT_EQ(r.exitCode, kExitUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "tabulor-cli: unknown token 'nope' (token 2)\n"
              "tabulor-cli: unknown token 'x' (token 4); did you mean *?\n");
}

TEST(TokenMode, NoTokensPrintsTheStartUpState) {
    const CliRun empty = run({""});
    EXPECT_EQ(empty.exitCode, kExitOk);
    ASSERT_EQ(lines(empty.out).size(), 1u);
    // The banner is up at start-up; the same as an empty line in the input loop.
    EXPECT_EQ(empty.out, run({}, "\n").out);
    EXPECT_NE(empty.out, " 0.00\n");
    EXPECT_EQ(run({"--trace", " "}).out, empty.out);
}

TEST(TokenMode, TraceShowsEachTokenAsTyped) {
    const CliRun r = run({"--trace", "wait 12 . 5 bs SHIFT"});
    EXPECT_EQ(r.exitCode, kExitOk);
    EXPECT_EQ(r.out,
              "wait\t 0.00\n"
              "12\t 12_\n"
              ".\t 12._\n"
              "5\t 12.5_\n"
              "bs\t 12._\n"
              "SHIFT\t 12._  [SHIFT]\n");
}

TEST(TokenMode, TraceEndsWhereThePlainRunEnds) {
    const std::string tokens = "WAIT 2 + 3 * ( 4 - 1 ) = STO 1 C RCL 1 x^2";
    const std::vector<std::string> traced = lines(run({"--trace", tokens}).out);
    ASSERT_EQ(traced.size(), 17u);  // STO, RCL and x^2 are one token each
    EXPECT_EQ(traced.front().substr(0, 5), "WAIT\t");
    EXPECT_EQ(traced.back(), "x^2\t" + lines(run({tokens}).out).at(0));
}

TEST(TokenMode, JsonObjectPerLine) {
    const CliRun r = run({"--json", "WAIT 1 / 3 = RND"});
    EXPECT_EQ(r.exitCode, kExitOk);
    ASSERT_EQ(lines(r.out).size(), 1u);
    EXPECT_NE(
        r.out.find(R"("display": " 0.33", "message": null, "annunciators": [], "error": 0, )"),
        std::string::npos)
        << r.out;
    const nlohmann::ordered_json state = nlohmann::ordered_json::parse(r.out);
    std::vector<std::string> keys;
    for (const auto& item : state.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"display", "message", "annunciators", "error",
                                              "value", "entryPending", "isOn", "prefixMode",
                                              "depth", "decimals", "registers", "tvm"}));
    EXPECT_EQ(state["registers"].size(), 10u);
    EXPECT_EQ(state["tvm"]["paymentsPerYear"], 12.0);
}

TEST(TokenMode, JsonNamesTheMessageOnTheDisplay) {
    const std::pair<std::string, nlohmann::json> cases[] = {
        {"", "banner"},
        {"WAIT", nullptr},
        {"WAIT 9 y^x 999 =", "overflow"},
        {"WAIT 5 +/- I/YR", "no-solution"},
        {"WAIT 2 DISP =", "full-mantissa"},
        {"WAIT CALL", "payments-per-year"},
        // Gone once the message expires or a key replaces it.
        {"WAIT CALL WAIT", nullptr},
        {"WAIT 9 y^x 999 = WAIT", nullptr},
        {"WAIT CALL 5", nullptr},
        {"WAIT 5 +/- I/YR C", nullptr},
    };
    for (const auto& [tokens, message] : cases) {
        const CliRun r = run({"--json", tokens});
        ASSERT_EQ(r.exitCode, kExitOk) << tokens << r.err;
        EXPECT_EQ(nlohmann::json::parse(r.out)["message"], message) << tokens;
    }
}

TEST(TokenMode, JsonWithTrace) {
    const std::vector<std::string> traced = lines(run({"--json", "--trace", "WAIT 7"}).out);
    ASSERT_EQ(traced.size(), 2u);
    EXPECT_EQ(traced[1].substr(0, 2), "7\t");
    EXPECT_EQ(nlohmann::json::parse(traced[1].substr(2))["display"], " 7_");
}

TEST(InputLoop, PrintsALinePerInputLineAndKeepsTheState) {
    const CliRun r = run({}, "WAIT\n1 2\n\n3\r\n+/-\n");
    EXPECT_EQ(r.exitCode, kExitOk);
    EXPECT_EQ(r.out, " 0.00\n 12_\n 12_\n 123_\n-123_\n");
    EXPECT_EQ(r.err, "");
}

TEST(InputLoop, AnUnknownTokenSkipsItsLineAndFailsTheRun) {
    const CliRun r = run({}, "WAIT\n1 2\n\n  bogus 3\n3 IYR\n3\n");
    EXPECT_EQ(r.exitCode, kExitUsage);
    EXPECT_EQ(r.out, " 0.00\n 12_\n 12_\n 123_\n");
    EXPECT_EQ(r.err,
              "tabulor-cli: line 4: unknown token 'bogus' (token 1)\n"
              "tabulor-cli: line 5: unknown token 'IYR' (token 2); did you mean I/YR?\n");
}

TEST(InputLoop, ALineLongerThanOneMebibyteIsSkippedWhole) {
    const std::string longest = "4" + std::string(kMaxLineBytes - 1, ' ');
    const std::string tooLong = "9" + std::string(kMaxLineBytes, ' ');
    const CliRun r = run({}, "WAIT 1\n" + tooLong + "\n2\n" + longest + "\n" + tooLong);
    EXPECT_EQ(r.exitCode, kExitUsage);
    EXPECT_EQ(r.out, " 1_\n 12_\n 124_\n");
    EXPECT_EQ(r.err,
              "tabulor-cli: line 2 is longer than 1048576 bytes; skipped\n"
              "tabulor-cli: line 5 is longer than 1048576 bytes; skipped\n");
}

TEST(InputLoop, TraceLinesForEachToken) {
    const CliRun r = run({"--trace"}, "WAIT 4\n\n5");
    EXPECT_EQ(r.out, "WAIT\t 0.00\n4\t 4_\n 4_\n5\t 45_\n");
}

TEST(InputLoop, DoubleDashThenNothingStillReadsTheInput) {
    EXPECT_EQ(run({"--"}, "WAIT 9\n").out, " 9_\n");
}

TEST(InputLoop, NoInputPrintsNothing) {
    const CliRun r = run({});
    EXPECT_EQ(r.exitCode, kExitOk);
    EXPECT_EQ(r.out, "");
}

TEST(Options, ClockAndBatteryReachTheCalculator) {
    // The banner expires even when its 2000 ms wrap past the end of the tick count.
    EXPECT_EQ(run({"--clock", "4294967295", "WAIT"}).out, " 0.00\n");
    EXPECT_EQ(run({"--battery", "15", "WAIT OFF ON"}).out, " 0.00  [BAT]\n");
    EXPECT_EQ(run({"--battery", "255,19", "WAIT OFF ON"}).out, " 0.00  [BAT]\n");
    EXPECT_EQ(run({"--battery", "20,20", "WAIT OFF ON"}).out, " 0.00\n");
}

TEST(Options, BadOptionsSuggestHelp) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--battery", "101", "WAIT"},
          {"--clock", "x"},
          {"--frobnicate"},
          {"--npv", "8", "WAIT"},
          {"--cash-flows", "-"},
          {"--cash-flows", "-", "--npv", "-100"},
          {"--cash-flows", "-", "--irr", "--schedule"}}) {
        const CliRun r = run(arguments);
        EXPECT_EQ(r.exitCode, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Try 'tabulor-cli --help'"), std::string::npos) << r.err;
    }
}

TEST(Amortization, ARefusalIsOneLineOnStandardErrorAndExitTwo) {
    const std::string loan = "WAIT 12 N 1 I/YR 1000 PV 0 FV PMT";
    struct Case {
        std::vector<std::string> arguments;
        std::string reason;
    };
    const Case cases[] = {
        {{"--amortize", "1-12", "WAIT 12.5 N 1000 PV 90 +/- PMT"},
         "N must be a whole number of payments, at least 1"},
        {{"--schedule", "WAIT 12 N 1000 PV"},
         "PMT is 0 at the decimals shown: there are no payments to amortize"},
        {{"--amortize", "0-12", loan}, "the range 0-12 is outside the payments 1-12"},
        {{"--json", "--amortize", "12-13", loan}, "the range 12-13 is outside the payments 1-12"},
        {{"--amortize", "3-2", loan}, "the range 3-2 ends before it starts"},
        // Found before the first row, though the balance passes the largest double near the end.
        {{"--schedule=yearly", "WAIT 5000 N 12 I/YR 1 E 290 PV 1 +/- PMT"},
         "the balance overflows at payment 4225"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const CliRun r = run(c.arguments);
        EXPECT_EQ(r.exitCode, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "tabulor-cli: cannot amortize: " + c.reason + "\n");
    }
}

TEST(Amortization, TheInputLoopAmortizesEachLineAndGoesOnAfterARefusal) {
    const CliRun r = run({"--amortize", "1-1"}, "WAIT 12 N 12 I/YR 1000 PV\n0 FV PMT\n24 N\n");
    EXPECT_EQ(r.exitCode, kExitUsage);
    EXPECT_EQ(r.out,
              "interest -10.00  principal -78.85  balance 921.15\n"
              "interest -10.00  principal -78.85  balance 921.15\n");
    EXPECT_EQ(r.err,
              "tabulor-cli: line 1: cannot amortize: PMT is 0 at the decimals shown: there are no "
              "payments to amortize\n");
}

TEST(CashFlows, AFileThatDoesNotReadIsOneLineOnStandardErrorAndExitTwo) {
    struct Case {
        std::string file;
        std::string message;
    };
    const Case cases[] = {
        {"", "standard input: the file holds no flows"},
        {"# nothing but a comment\n\n", "standard input: the file holds no flows"},
        {"-100\n50\n\n50,2.5\n", "standard input: line 4: count '2.5' is not a whole number"},
        {"-100\n50,0\n", "standard input: line 2: count '0' is less than 1"},
        {"-100\n50,x\n", "standard input: line 2: count 'x' is not a number"},
        {"-100\n1e999\n", "standard input: line 2: amount '1e999' is not a finite number"},
        {"-100\ninf\n", "standard input: line 2: amount 'inf' is not a number"},
        {"-100\n1.5.2\n", "standard input: line 2: amount '1.5.2' is not a number"},
        {"-100\n,3\n", "standard input: line 2: the amount is missing"},
        {"-100\n5,1,0\n",
         "standard input: line 2: more than two fields: expected an amount and, optionally, a "
         "count"},
        {"-100,2\n",
         "standard input: line 1: the initial flow CF0 counts once: its count must be 1"},
        {"-1\n1,9007199254740992\n1\n",
         "standard input: line 3: the flows last more periods than can be counted"},
        {"-100\n\x1b[31m\n", "standard input: line 2: amount '\\x1b[31m' is not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const CliRun r = run({"--trace", "--cash-flows", "-", "--irr", "WAIT"}, c.file);
        EXPECT_EQ(r.exitCode, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "tabulor-cli: " + c.message + "\n");
    }
    const CliRun missing = run({"--cash-flows", "/no/such/flows.csv", "--irr"});
    EXPECT_EQ(missing.exitCode, kExitUsage);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err,
              "tabulor-cli: cannot read /no/such/flows.csv: No such file or directory\n");
    const CliRun folder = run({"--cash-flows", "/", "--npv", "5"});
    EXPECT_EQ(folder.err, "tabulor-cli: cannot read /: Is a directory\n");
}

TEST(CashFlows, AnOverflowIsRefusedNotPrinted) {
    struct Case {
        std::vector<std::string> arguments;
        std::string file;
        std::string message;
    };
    const Case cases[] = {
        {{"--npv", "-99"}, "1\n1e300,10\n", "NPV overflows at this rate"},
        {{"--irr", "--nfv", "1e6"}, "-1\n1e300,10\n", "NFV overflows at this rate"},
        {{"--irr"},
         "-1e308\n1e308,10\n",
         "cannot find the IRR: the flows add up past the largest number"},
        {{"--irr", "1 E 307 P/YR"}, "-1\n2\n", "the IRR per year is past the largest number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::vector<std::string> arguments{"--json", "--cash-flows", "-"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun r = run(arguments, c.file);
        EXPECT_EQ(r.exitCode, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "tabulor-cli: " + c.message + "\n");
    }
}

TEST(Options, HelpAndVersionGoToStandardOutput) {
    for (const char* option : {"--help", "-h"}) {
        const CliRun help = run({option, "WAIT"});
        EXPECT_EQ(help.exitCode, kExitOk) << option;
        EXPECT_EQ(help.out, helpText()) << option;
    }
    const CliRun version = run({"--version"});
    EXPECT_EQ(version.exitCode, kExitOk);
    EXPECT_EQ(version.out, "tabulor-cli " TABULOR_VERSION "\n");
}

class NoImages final : public ImageStore {
  public:
    std::span<const std::uint8_t> find(int) const override { return {}; }
};

TEST(StartUp, WithoutImagesNoCalculatorIsMade) {
    const NoImages none;
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"WAIT"}, std::vector<std::string>{}}) {
        const CliRun r = run(arguments, "WAIT\n", none);
        EXPECT_EQ(r.exitCode, kExitFailure);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "Can't create calculator!\n");
    }
}

TEST(StartUp, AnUnknownTokenIsReportedBeforeTheCalculatorIsMade) {
    const NoImages none;
    EXPECT_EQ(run({"bogus"}, "", none).exitCode, kExitUsage);
}

TEST(Output, AFailedWriteIsAFailure) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"WAIT"}, {}, {"--help"}, {"--version"}}) {
        std::istringstream in("WAIT\n1\n");
        std::ostringstream out;
        std::ostringstream err;
        out.setstate(std::ios::badbit);
        EXPECT_EQ(runCli(arguments, embeddedImages(), in, out, err), kExitFailure);
        EXPECT_EQ(err.str(), "tabulor-cli: cannot write the output: Input/output error\n");
    }
}

}  // namespace
}  // namespace tabulor
