#include "cli/help_text.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "cli/options.h"
#include "cli/session.h"
#include "cli/token_table.h"
#include "display/annunciator_names.h"

#ifndef TABULOR_VERSION
#error "TABULOR_VERSION must be defined by the build"
#endif

namespace tabulor {

namespace {

constexpr std::size_t kHelpWidth = 79;

// Words after `indent`, wrapped before kHelpWidth.
void appendWrapped(std::string& out, const std::vector<std::string>& words,
                   std::string_view indent) {
    std::string line(indent);
    for (const std::string& word : words) {
        if (line.size() > indent.size() && line.size() + 1 + word.size() > kHelpWidth) {
            out += line + '\n';
            line = indent;
        }
        if (line.size() > indent.size()) line += ' ';
        line += word;
    }
    if (line.size() > indent.size()) out += line + '\n';
}

std::vector<std::string> splitOnSpaces(std::string_view text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (end > start) words.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

void appendOptions(std::string& out) {
    for (const OptionSpec& spec : optionTable()) {
        std::string head = "  ";
        if (!spec.shortName.empty()) head += std::string(spec.shortName) + ", ";
        out += head + optionUsage(spec) + '\n';
        appendWrapped(out, splitOnSpaces(spec.summary), "        ");
    }
}

// "SHIFT PEND BEGIN BAT and ERROR TVM, ..., STAT", broken where the paragraph's line ends.
std::string annunciatorNameList() {
    std::string list;
    for (const std::string_view name : {kShiftName, kPendName, kBeginName, kBatteryName})
        list += std::string(name) + ' ';
    list += "and";
    for (std::size_t band = 1; band < kErrorBandNames.size(); ++band) {
        list += band == 1 ? " " : (band == 3 ? ",\n" : ", ");
        list += kErrorBandNames[band];
    }
    return list;
}

// "name" or "name (alias alias)" for each key, in table order; aliases follow their key.
std::vector<std::string> tokenNames(TokenAction action) {
    std::vector<std::string> names;
    const NamedToken* previous = nullptr;
    for (const NamedToken& token : namedTokens()) {
        if (token.action != action) continue;
        if (previous != nullptr && previous->code == token.code) {
            std::string& last = names.back();
            if (last.back() == ')') {
                last.insert(last.size() - 1, " " + std::string(token.name));
            } else {
                last += " (" + std::string(token.name) + ")";
            }
        } else {
            names.emplace_back(token.name);
        }
        previous = &token;
    }
    return names;
}

}  // namespace

std::string optionUsage(const OptionSpec& spec) {
    std::string usage(spec.name);
    if (spec.valueOptional) return usage + "[=" + std::string(spec.valueName) + "]";
    if (!spec.valueName.empty()) usage += " " + std::string(spec.valueName);
    return usage;
}

std::string helpText() {
    std::string out;
    out +=
        "Usage: tabulor-cli [OPTIONS] [TOKENS...]\n"
        "\n"
        "Drives the Tabulor calculator with key tokens and prints its display.\n"
        "\n"
        "With TOKENS (an argument may hold several, separated by white space),\n"
        "every token is checked first; if any is unknown, nothing runs and the exit\n"
        "status is 2 (an unknown token is named with the nearest tokens, or, for a\n"
        "number such as -5 or 1e3, with the keys that type it). Otherwise the tokens\n"
        "run in order and one line is printed at the end (one per token with --trace).\n"
        "An empty TOKENS argument prints the start-up state.\n"
        "Without TOKENS, lines of tokens are read from standard input and the display\n"
        "line is printed after each; an empty line prints it again, and a line with an\n"
        "unknown token, or longer than 1 MiB, is reported on standard error with its\n"
        "number and skipped.\n"
        "\n"
        "Options come before the tokens; \"--\" ends them. A value may also be given\n"
        "as --option=VALUE.\n";
    appendOptions(out);
    out +=
        "\n"
        "Tokens (letters in any case):\n"
        "  Numbers, from a single digit 0-9 to 360, 1.5, 5. or .5, are their digit and\n"
        "  point keys; no sign or exponent inside a number (use +/- and E).\n"
        "  Keys, one tap each (other spellings in brackets):\n";
    appendWrapped(out, tokenNames(TokenAction::Tap), "    ");
    out += "  Shifted functions, SHIFT and then the key:\n";
    appendWrapped(out, tokenNames(TokenAction::ShiftedTap), "    ");
    out += "  WAIT: the clock moves on " + std::to_string(kWaitMilliseconds) +
           " ms and a shown message (such as the start-up\n"
           "  banner) gives way to the number, as after a while in the window.\n";
    out +=
        "\n"
        "Output: the 13 display cells, each followed by its mark ('.' or ','),\n"
        "trailing blanks removed, then the lit annunciators, for example\n"
        "\" 1,234.50  [PEND BAT]\" (" +
        annunciatorNameList() +
        "). Cells read 0-9, blank, _ (cursor), - and the\n"
        "letters A b C d E F H i L N P r u U R Y n o t j.\n"
        "With --json each line is instead an object with the keys display, message\n"
        "(null while a number shows, else overflow, no-solution, full-mantissa,\n"
        "payments-per-year or banner), annunciators, error, value, entryPending, isOn,\n"
        "prefixMode, depth, decimals, registers (R0..R9) and tvm (n, interestPerYear,\n"
        "presentValue, payment, futureValue, years, nominalPercent, effectivePercent,\n"
        "paymentsPerYear); a number that is not finite is written as \"NaN\",\n"
        "\"Infinity\" or \"-Infinity\".\n"
        "\n"
        "With --amortize P1-P2 the line is instead the sums of the interest and of the\n"
        "principal of payments P1 to P2 and the balance after P2, from the TVM\n"
        "registers as the tokens leave them, in the display's format (with --json an\n"
        "object: from, to, interest, principal, balance); with --schedule the schedule\n"
        "as CSV, payment,interest,principal,balance (=yearly: year,...). Amounts are\n"
        "rounded to the decimals shown; no register changes. What cannot be amortized\n"
        "is one line on standard error and exit status 2.\n"
        "\n"
        "With --cash-flows FILE (no standard input is read for tokens then) the line is\n"
        "instead a line for each result asked: \"npv AMOUNT\", \"nfv AMOUNT\", and\n"
        "\"irr R % per period, Y % per year: ...\" saying whether the root is the only\n"
        "one, or, where the flows change sign more than once, which roots a scan from\n"
        "-100 % to 10,000 % found (the IRR is the one nearest 0), or \"irr none: ...\".\n"
        "FILE is CSV: a line per flow, the amount and optionally its count (1 if left\n"
        "out), the first line CF0; blank lines and # comments are skipped. NPV does not\n"
        "discount CF0 (a spreadsheet's NPV discounts it by a period); NFV is NPV at the\n"
        "last period; per year is per period times the P/YR the tokens leave. With\n"
        "--json one object with the keys asked for: npv, nfv, irr, irrPerYear (null\n"
        "where no root) and irrRoots (ascending). A file that does not read (its line\n"
        "named) or an overflow is one line on standard error and exit status 2.\n"
        "\n"
        "With --tape the steps are printed instead, a line for each as it completes, as\n"
        "a printing calculator's tape: right-aligned, the number keyed when the step\n"
        "began, the key (\"STO+ 3\", \"DISP =\" for a key and its digit) and the display\n"
        "after it (a message in words), a '*' where a TVM key solved rather than\n"
        "stored, then the lit annunciators. Digits, point, E, +/-, BS during an entry\n"
        "and SHIFT, RCL, STO, DISP and a storage operator waiting for their key print\n"
        "nothing. With --json each step is an object with the keys keyed, key, shown\n"
        "(the display line), message and solved (true or false).\n"
        "\n"
        "With --png FILE the faceplate is also written as a PNG picture once the tokens\n"
        "have run (or the input has ended), after the printed lines: the display, its\n"
        "annunciators and the face (shifted while SHIFT is armed), no key pressed.\n"
        "With --scale N it is drawn at N times the size (480 x 588 pixels at 2), from\n"
        "pictures drawn for that size: legends and figures stay sharp, not enlarged.\n"
        "Nothing at FILE is lost: it is replaced only by the whole picture, and a pipe\n"
        "or device there is written as it stands.\n"
        "\n"
        "Exit status: 0 done; 1 the calculator could not be created, the input could\n"
        "not be read or the output could not be written (the program stops there); 2 a\n"
        "bad option or value, an unknown token, an input line that was skipped (the\n"
        "reading goes on; the status is given at the end of the input), a refused\n"
        "amortization, a cash-flow file that does not read or a result that overflows,\n"
        "or a --png FILE that cannot be written.\n";
    return out;
}

std::string versionText() {
    return "tabulor-cli " TABULOR_VERSION "\n";
}

}  // namespace tabulor
