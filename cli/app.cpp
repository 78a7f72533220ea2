#include "cli/app.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/help_text.h"
#include "cli/options.h"
#include "cli/printed_line.h"
#include "cli/session.h"
#include "cli/token_parsing.h"
#include "shell/faceplate/faceplate_png.h"

namespace tabulor {

namespace {

void reportUnknown(const TokenList& list, std::ostream& err) {
    for (const UnknownToken& unknown : list.unknown)
        err << unknownTokenMessage(unknown) << '\n';
}

// Runs the tokens and prints the line after each (--trace) or once at the end. With no tokens
// at all it prints the current line, even with --trace: there is no token to show beside it.
void runAndPrint(Session& session, const std::vector<Token>& tokens, const CliOptions& options,
                 std::ostream& out) {
    for (const Token& token : tokens) {
        runToken(session, token);
        if (options.trace) out << traceLine(token.text, session.calculator, options.format) << '\n';
    }
    if (!options.trace || tokens.empty()) {
        out << printedLine(session.calculator, options.format) << '\n';
    }
}

void runRepl(Session& session, const CliOptions& options, std::istream& in, std::ostream& out,
             std::ostream& err) {
    std::string line;
    while (std::getline(in, line)) {
        const std::string arguments[] = {line};
        const TokenList list = parseTokens(arguments);
        if (!list.unknown.empty()) {
            reportUnknown(list, err);
            err.flush();
            continue;
        }
        runAndPrint(session, list.tokens, options, out);
        out.flush();  // a program on the other end of a pipe waits for each answer
    }
}

// The picture comes after the printed lines, so that it shows the state they end with. A file
// that cannot be written is the user's to mend, like a bad option: exit status 2.
int writePicture(const FaceplateImages& images, const Session& session, const std::string& path,
                 std::ostream& out, std::ostream& err) {
    std::string error;
    if (writeFaceplatePng(images, session.calculator, path, error)) return kExitOk;
    out.flush();
    err << "tabulor-cli: " << error << '\n';
    return kExitUsage;
}

int finish(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) return kExitOk;
    err << "tabulor-cli: cannot write the output\n";
    return kExitFailure;
}

}  // namespace

int runCli(std::span<const std::string> arguments, const ImageStore& images, std::istream& in,
           std::ostream& out, std::ostream& err) {
    const ParsedOptions parsed = parseOptions(arguments);
    if (!parsed.error.empty()) {
        err << "tabulor-cli: " << parsed.error << "\n"
            << "Try 'tabulor-cli --help' for more information.\n";
        return kExitUsage;
    }
    const CliOptions& options = parsed.options;
    if (options.showHelp) {
        out << helpText();
        return finish(out, err);
    }
    if (options.showVersion) {
        out << versionText();
        return finish(out, err);
    }

    // Every token is checked before the calculator exists: with one unknown, nothing runs.
    TokenList list;
    if (options.tokenMode) {
        list = parseTokens(options.tokenArguments);
        if (!list.unknown.empty()) {
            reportUnknown(list, err);
            return kExitUsage;
        }
    }

    // The picture's images are loaded whether or not one is asked for: a program without them
    // cannot show its calculator, and says so at once.
    FaceplateImages faceplate;
    Session session(SessionSettings{options.clockStart, options.battery});
    if (!loadFaceplateImages(faceplate, images) || !startSession(session)) {
        err << "Can't create calculator!\n";
        return kExitFailure;
    }
    if (options.tokenMode) {
        runAndPrint(session, list.tokens, options, out);
    } else {
        runRepl(session, options, in, out, err);
    }
    if (!options.pngPath.empty()) {
        const int status = writePicture(faceplate, session, options.pngPath, out, err);
        if (status != kExitOk) return status;
    }
    return finish(out, err);
}

}  // namespace tabulor
