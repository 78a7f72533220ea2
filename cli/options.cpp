#include "cli/options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "display/number_text.h"
#include "faceplate/image_table.h"
#include "finance/cash_flows.h"
#include "shell/terminal/terminal_text.h"

namespace tabulor {

namespace {

// Digits only (no sign, no blanks), leading zeros allowed, within `limit`.
bool parseUnsigned(std::string_view text, std::uint64_t limit, std::uint64_t& result) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    const std::string_view digits =
        text.substr(std::min(text.find_first_not_of('0'), text.size() - 1));
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size() || value > limit) return false;
    result = value;
    return true;
}

// What the user typed, as it may be shown in a message.
std::string shown(std::string_view text) {
    return terminalSafe(text, 40);
}

bool parsePercent(std::string_view text, std::uint8_t& percent) {
    std::uint64_t value = 0;
    if (!parseUnsigned(text, kUnknownBatteryPercent, value) ||
        (value > 100 && value != kUnknownBatteryPercent)) {
        return false;
    }
    percent = static_cast<std::uint8_t>(value);
    return true;
}

std::string setJson(CliOptions& options, std::string_view) {
    options.format = OutputFormat::Json;
    return {};
}

std::string setTrace(CliOptions& options, std::string_view) {
    options.trace = true;
    return {};
}

std::string setTape(CliOptions& options, std::string_view) {
    options.tape = true;
    return {};
}

std::string setBattery(CliOptions& options, std::string_view value) {
    PowerStatus status;
    std::string error = parseBattery(value, status);
    if (error.empty()) options.battery = status;
    return error;
}

std::string setClock(CliOptions& options, std::string_view value) {
    return parseClock(value, options.clockStart);
}

std::string setPng(CliOptions& options, std::string_view value) {
    if (value.empty()) return "option '--png' needs a file name";
    options.pngPath = value;
    return {};
}

std::string setScale(CliOptions& options, std::string_view value) {
    int scale = 1;
    std::string error = parseScale(value, scale);
    if (error.empty()) options.pngScale = scale;
    return error;
}

std::string setAmortize(CliOptions& options, std::string_view value) {
    PaymentRange range;
    std::string error = parseRange(value, range);
    if (error.empty()) {
        options.amortize = range;
        options.schedule.reset();
    }
    return error;
}

std::string setSchedule(CliOptions& options, std::string_view value) {
    if (value.empty()) {
        options.schedule = ScheduleGrouping::ByPayment;
    } else if (value == "yearly") {
        options.schedule = ScheduleGrouping::ByYear;
    } else {
        return "invalid schedule '" + shown(value) + "': expected --schedule or --schedule=yearly";
    }
    options.amortize.reset();
    return {};
}

std::string setCashFlows(CliOptions& options, std::string_view value) {
    if (value.empty()) return "option '--cash-flows' needs a file name, or - for standard input";
    options.cashFlowsPath = value;
    return {};
}

std::string setNpv(CliOptions& options, std::string_view value) {
    double rate = 0.0;
    std::string error = parseRate(value, rate);
    if (error.empty()) options.npvRate = rate;
    return error;
}

std::string setNfv(CliOptions& options, std::string_view value) {
    double rate = 0.0;
    std::string error = parseRate(value, rate);
    if (error.empty()) options.nfvRate = rate;
    return error;
}

std::string setIrr(CliOptions& options, std::string_view) {
    options.irr = true;
    return {};
}

// The cash-flow results come with their file, and in place of amortization's.
std::string cashFlowConflict(const CliOptions& options) {
    const bool results = options.npvRate || options.nfvRate || options.irr;
    if (options.cashFlowsPath.empty()) {
        return results ? "options '--npv', '--nfv' and '--irr' need '--cash-flows FILE'"
                       : std::string();
    }
    if (!results) return "option '--cash-flows' needs '--npv RATE', '--nfv RATE' or '--irr'";
    if (options.amortize || options.schedule) {
        return "option '--cash-flows' cannot be combined with '--amortize' or '--schedule'";
    }
    return {};
}

std::string setHelp(CliOptions& options, std::string_view) {
    options.showHelp = true;
    return {};
}

std::string setVersion(CliOptions& options, std::string_view) {
    options.showVersion = true;
    return {};
}

constexpr std::array kOptions{
    OptionSpec{"--json", "", "print the state as one JSON object per line", setJson},
    OptionSpec{"--trace", "", "print TOKEN<TAB>LINE after every token", setTrace},
    OptionSpec{"--tape", "",
               "print the tape instead: a line for each step as it completes (the number "
               "keyed, the key, the display after it)",
               setTape},
    OptionSpec{"--battery", "MAIN[,BACKUP]",
               "battery percentages the calculator sees when switched on (0..100, or 255 for "
               "unknown; BACKUP defaults to 255); default: the system's batteries",
               setBattery},
    OptionSpec{"--clock", "T0", "start tick of the simulated millisecond clock, 0..4294967295",
               setClock},
    OptionSpec{"--png", "FILE",
               "after the tokens (or the input), also write the faceplate as the window shows "
               "it, 240 x 294 pixels (times --scale), to FILE as a PNG",
               setPng},
    OptionSpec{"--scale", "N",
               "draw the --png picture at scale N, 1..4: every picture drawn at N times the "
               "size, not enlarged; default 1",
               setScale},
    OptionSpec{"--amortize", "P1-P2",
               "after the tokens, print the interest and principal of payments P1 to P2 and the "
               "balance after P2 instead of the display line",
               setAmortize},
    OptionSpec{"--schedule", "yearly",
               "after the tokens, print the whole amortization schedule as CSV instead of the "
               "display line, by payment or (=yearly) by year",
               setSchedule, "", true},
    OptionSpec{"--cash-flows", "FILE",
               "after the tokens, read a cash-flow list from FILE (- for standard input: CSV of "
               "amount and optional count, the first line CF0) and print what --npv, --nfv and "
               "--irr ask for instead of the display line",
               setCashFlows},
    OptionSpec{"--npv", "RATE",
               "with --cash-flows, the net present value at RATE percent per period (CF0 is not "
               "discounted)",
               setNpv},
    OptionSpec{"--nfv", "RATE",
               "with --cash-flows, the net future value at RATE percent per period, at the last "
               "period",
               setNfv},
    OptionSpec{"--irr", "",
               "with --cash-flows, the internal rate of return per period and per year (P/YR)",
               setIrr},
    OptionSpec{"--help", "", "show this help and exit", setHelp, "-h"},
    OptionSpec{"--version", "", "show the version and exit", setVersion},
};

const OptionSpec* findOption(std::string_view name) {
    for (const OptionSpec& spec : kOptions) {
        if (spec.name == name || (!spec.shortName.empty() && spec.shortName == name)) {
            return &spec;
        }
    }
    return nullptr;
}

bool isShortOption(std::string_view argument) {
    return !argument.empty() &&
           std::any_of(kOptions.begin(), kOptions.end(),
                       [argument](const OptionSpec& spec) { return spec.shortName == argument; });
}

// A word with a single dash is a token ("-", "-5"), unless it is one of the short options.
bool isOption(std::string_view argument) {
    return (argument.size() > 2 && argument.substr(0, 2) == "--") || isShortOption(argument);
}

}  // namespace

std::span<const OptionSpec> optionTable() {
    return kOptions;
}

std::string parseBattery(std::string_view text, PowerStatus& status) {
    const std::size_t comma = text.find(',');
    const std::string_view main = text.substr(0, comma);
    PowerStatus parsed;
    if (!parsePercent(main, parsed.mainPercent) ||
        (comma != std::string_view::npos &&
         !parsePercent(text.substr(comma + 1), parsed.backupPercent))) {
        return "invalid battery '" + shown(text) +
               "': expected MAIN[,BACKUP], each a percentage 0..100 or 255 (unknown)";
    }
    status = parsed;
    return {};
}

std::string parseClock(std::string_view text, std::uint32_t& ticks) {
    std::uint64_t value = 0;
    if (!parseUnsigned(text, std::numeric_limits<std::uint32_t>::max(), value)) {
        return "invalid clock '" + shown(text) + "': expected a tick count 0..4294967295";
    }
    ticks = static_cast<std::uint32_t>(value);
    return {};
}

std::string parseRange(std::string_view text, PaymentRange& range) {
    const std::size_t dash = text.find('-');
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    constexpr std::uint64_t kLimit = std::numeric_limits<std::int64_t>::max();
    if (dash == std::string_view::npos || !parseUnsigned(text.substr(0, dash), kLimit, first) ||
        !parseUnsigned(text.substr(dash + 1), kLimit, last)) {
        return "invalid range '" + shown(text) + "': expected P1-P2, such as 13-24";
    }
    range = {static_cast<std::int64_t>(first), static_cast<std::int64_t>(last)};
    return {};
}

std::string parseRate(std::string_view text, double& percent) {
    const NumberSyntax syntax = scanNumber(text);
    const double value = parseLeadingNumber(text);
    if (syntax.length == 0 || syntax.length != text.size() || !isFlowRate(value)) {
        return "invalid rate '" + shown(text) +
               "': expected a percentage per period above -100, such as 8 or 0.5";
    }
    percent = value + 0.0;
    return {};
}

std::string parseScale(std::string_view text, int& scale) {
    std::uint64_t value = 0;
    if (!parseUnsigned(text, kMaxScale, value) || value < kMinScale) {
        return "invalid scale '" + shown(text) + "': expected 1, 2, 3 or 4";
    }
    scale = static_cast<int>(value);
    return {};
}

ParsedOptions parseOptions(std::span<const std::string> arguments) {
    ParsedOptions result;
    CliOptions& options = result.options;
    std::size_t i = 0;
    for (; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--") {
            ++i;
            break;
        }
        if (!isOption(argument)) break;

        // Both "--clock 5" and "--clock=5".
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const OptionSpec* spec = findOption(name);
        if (spec == nullptr) {
            result.error = "unknown option '" + shown(name) + "'";
            return result;
        }
        std::string_view value;
        if (spec->valueName.empty() || (spec->valueOptional && equals == std::string_view::npos)) {
            if (equals != std::string_view::npos) {
                result.error = "option '" + std::string(name) + "' takes no value";
                return result;
            }
        } else if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            result.error =
                "option '" + std::string(name) + "' needs a value " + std::string(spec->valueName);
            return result;
        }
        result.error = spec->apply(options, value);
        if (!result.error.empty() || options.showHelp || options.showVersion) return result;
    }
    result.error = cashFlowConflict(options);
    if (!result.error.empty()) return result;
    // A scale only says how to draw the picture; without one it would be dropped unseen.
    if (options.pngScale && options.pngPath.empty()) {
        result.error = "option '--scale' needs '--png FILE'";
        return result;
    }
    options.tokenMode = i < arguments.size();
    options.tokenArguments.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                                  arguments.end());
    return result;
}

}  // namespace tabulor
