#include "cli/app.h"

#include <cerrno>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/amortization_output.h"
#include "cli/cash_flow_input.h"
#include "cli/cash_flow_output.h"
#include "cli/help_text.h"
#include "cli/input_lines.h"
#include "cli/options.h"
#include "cli/printed_line.h"
#include "cli/session.h"
#include "cli/token_parsing.h"
#include "faceplate/faceplate_png.h"
#include "shell/terminal/terminal_text.h"

namespace tabulor {

namespace {

// Standard output and the reason its first write failed. Once it fails the program stops: a
// reader that has gone will not come back.
struct Output {
    std::ostream& stream;
    int error = 0;
};

// errno is read at once, before the engine's arithmetic can set it again.
bool written(Output& output) {
    if (output.stream) return true;
    if (output.error == 0) output.error = errno != 0 ? errno : EIO;
    return false;
}

bool print(Output& output, std::string_view text) {
    errno = 0;
    output.stream << text;
    return written(output);
}

bool printLine(Output& output, std::string_view text) {
    return print(output, text) && print(output, "\n");
}

bool flushOutput(Output& output) {
    errno = 0;
    output.stream.flush();
    return written(output);
}

int outputFailed(const Output& output, std::ostream& err) {
    err << "tabulor-cli: cannot write the output: " << std::strerror(output.error) << '\n';
    return kExitFailure;
}

void reportUnknown(const UnknownToken& unknown, std::ostream& err) {
    err << unknownTokenMessage(unknown) << '\n';
}

// The steps the token completed, each after the token with --trace.
bool printTapeLines(const Session& session, const Token& token, const CliOptions& options,
                    Output& out) {
    for (const TapeLine& line : session.tapeLines) {
        if (options.trace && !print(out, token.text + '\t')) return false;
        if (!printLine(out, printedTapeLine(line, options.format))) return false;
    }
    return true;
}

bool runAndTrace(Session& session, const Token& token, const CliOptions& options, Output& out) {
    runToken(session, token);
    if (options.tape) return printTapeLines(session, token, options, out);
    return !options.trace ||
           printLine(out, traceLine(token.text, session.calculator, options.format));
}

// What a run of tokens ended with.
struct Ending {
    bool written = true;   // false: the output failed
    bool refused = false;  // amortization was asked for and refused
};

// What --amortize or --schedule print in place of the line; a refusal goes to standard error,
// after `where` ("line 3: " in the input loop).
Ending printAmortization(const Session& session, const CliOptions& options, std::string_view where,
                         Output& out, std::ostream& err) {
    const std::string refusal =
        writeAmortization(session.calculator, options,
                          [&out](std::string_view line) { return printLine(out, line); });
    if (!refusal.empty()) {
        err << "tabulor-cli: " << where << "cannot amortize: " << refusal << '\n';
        err.flush();
    }
    return {written(out), !refusal.empty()};
}

// The line at the end, unless --trace has shown one for each token or the tape shows the steps.
// With no tokens at all it is printed even with --trace: there is no token to show beside it.
Ending printEnd(const Session& session, const CliOptions& options, bool anyToken,
                std::string_view where, Output& out, std::ostream& err) {
    if (options.amortize || options.schedule) {
        return printAmortization(session, options, where, out, err);
    }
    if ((options.trace && anyToken) || options.tape) return {};
    return {printLine(out, printedLine(session.calculator, options.format))};
}

// Every word of the line is a token; each one that is not is reported with the line's number.
bool lineIsKnown(std::string_view line, long number, std::ostream& err) {
    bool known = true;
    int position = 0;
    std::size_t at = 0;
    for (std::string_view word = nextWord(line, at); !word.empty(); word = nextWord(line, at)) {
        ++position;
        if (parseToken(word)) continue;
        reportUnknown({std::string(word), position, number}, err);
        known = false;
    }
    return known;
}

// One token at a time, so that a long line needs no more than itself.
Ending runLine(Session& session, std::string_view line, long number, const CliOptions& options,
               Output& out, std::ostream& err) {
    bool anyToken = false;
    std::size_t at = 0;
    for (std::string_view word = nextWord(line, at); !word.empty(); word = nextWord(line, at)) {
        if (!runAndTrace(session, *parseToken(word), options, out)) return {false};
        anyToken = true;
    }
    return printEnd(session, options, anyToken, "line " + std::to_string(number) + ": ", out, err);
}

// A line with an unknown token, or longer than the limit, is reported and skipped whole; the
// reading goes on, and the status at the end says that a line failed. An input that cannot be
// read ends the loop as an output that cannot be written does.
int runRepl(Session& session, const CliOptions& options, std::istream& in, Output& out,
            std::ostream& err) {
    int status = kExitOk;
    std::string line;
    for (long number = 1;; ++number) {
        int error = 0;
        const LineRead read = readLine(in, line, error);
        if (read == LineRead::End) return status;
        if (read == LineRead::Failed) {
            err << "tabulor-cli: cannot read the input: " << std::strerror(error) << '\n';
            return kExitFailure;
        }
        if (read == LineRead::TooLong) {
            err << "tabulor-cli: line " << number << " is longer than " << kMaxLineBytes
                << " bytes; skipped\n";
            err.flush();
            status = kExitUsage;
            continue;
        }
        if (!lineIsKnown(line, number, err)) {
            err.flush();
            status = kExitUsage;
            continue;
        }
        // A program on the other end of a pipe waits for each answer.
        const Ending ending = runLine(session, line, number, options, out, err);
        if (!ending.written || !flushOutput(out)) return outputFailed(out, err);
        if (ending.refused) status = kExitUsage;
    }
}

int runTokens(Session& session, const std::vector<Token>& tokens, const CliOptions& options,
              Output& out, std::ostream& err) {
    for (const Token& token : tokens) {
        if (!runAndTrace(session, token, options, out)) return outputFailed(out, err);
    }
    const Ending ending = printEnd(session, options, !tokens.empty(), "", out, err);
    if (!ending.written) return outputFailed(out, err);
    return ending.refused ? kExitUsage : kExitOk;
}

// The tokens, then the cash-flow results in place of the line; standard input is the file's,
// if anyone's, so no input loop follows.
int runCashFlows(Session& session, const std::vector<Token>& tokens, const CashFlowList& flows,
                 const CliOptions& options, Output& out, std::ostream& err) {
    for (const Token& token : tokens) {
        if (!runAndTrace(session, token, options, out)) return outputFailed(out, err);
    }
    const CashFlowResults results = cashFlowResults(flows, session.calculator, options);
    if (!results.refusal.empty()) {
        err << "tabulor-cli: " << results.refusal << '\n';
        return kExitUsage;
    }
    for (const std::string& line : results.lines) {
        if (!printLine(out, line)) return outputFailed(out, err);
    }
    return kExitOk;
}

// The picture comes after the printed lines, so that it shows the state they end with; when it
// goes to standard output it follows them there. A file that cannot be written is the user's to
// mend, like a bad option: exit status 2.
// A larger scale's pictures are decoded only now, when that picture is asked for.
int writePicture(const FaceplateImages& scaleOne, const ImageStore& store, int scale,
                 const Session& session, const std::string& path, Output& out, std::ostream& err) {
    if (!flushOutput(out)) return outputFailed(out, err);
    FaceplateImages larger;
    if (scale != 1 && !loadFaceplateImages(larger, store, scale)) {
        err << kCantCreateCalculator << '\n';
        return kExitFailure;
    }
    std::string error;
    if (writeFaceplatePng(scale == 1 ? scaleOne : larger, session.calculator, path, error)) {
        return kExitOk;
    }
    err << "tabulor-cli: cannot write " << terminalSafe(path) << ": " << error << '\n';
    return kExitUsage;
}

int finish(Output& out, std::ostream& err) {
    return flushOutput(out) ? kExitOk : outputFailed(out, err);
}

}  // namespace

int runCli(std::span<const std::string> arguments, const ImageStore& images, std::istream& in,
           std::ostream& out, std::ostream& err) {
    Output output{out};
    const ParsedOptions parsed = parseOptions(arguments);
    if (!parsed.error.empty()) {
        err << "tabulor-cli: " << parsed.error << "\n"
            << "Try 'tabulor-cli --help' for more information.\n";
        return kExitUsage;
    }
    const CliOptions& options = parsed.options;
    if (options.showHelp || options.showVersion) {
        if (!print(output, options.showHelp ? helpText() : versionText())) {
            return outputFailed(output, err);
        }
        return finish(output, err);
    }

    // Every token is checked before the calculator exists: with one unknown, nothing runs.
    TokenList list;
    if (options.tokenMode) {
        list = parseTokens(options.tokenArguments);
        if (!list.unknown.empty()) {
            for (const UnknownToken& unknown : list.unknown)
                reportUnknown(unknown, err);
            return kExitUsage;
        }
    }

    CashFlowInput cashFlows;
    if (!options.cashFlowsPath.empty()) {
        cashFlows = readCashFlowInput(options.cashFlowsPath, in);
        if (!cashFlows.error.empty()) {
            err << "tabulor-cli: " << cashFlows.error << '\n';
            return kExitUsage;
        }
    }

    // The picture's images are loaded whether or not one is asked for: a program without them
    // cannot show its calculator, and says so at once.
    FaceplateImages faceplate;
    Session session(SessionSettings{options.clockStart, options.battery, options.tape});
    if (!loadFaceplateImages(faceplate, images) || !startSession(session)) {
        err << kCantCreateCalculator << '\n';
        return kExitFailure;
    }
    // Failed input lines still leave a state to picture; their status is the one returned.
    const int status =
        !options.cashFlowsPath.empty()
            ? runCashFlows(session, list.tokens, cashFlows.flows, options, output, err)
        : options.tokenMode ? runTokens(session, list.tokens, options, output, err)
                            : runRepl(session, options, in, output, err);
    if (status == kExitFailure) return status;
    if (!options.pngPath.empty()) {
        if (const int pictured = writePicture(faceplate, images, options.pngScale.value_or(1),
                                              session, options.pngPath, output, err);
            pictured != kExitOk) {
            return pictured;
        }
    }
    const int finished = finish(output, err);
    return finished != kExitOk ? finished : status;
}

}  // namespace tabulor
