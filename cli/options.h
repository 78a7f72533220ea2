#pragma once
// The command line of tabulor-cli: options first, then the tokens. Each option is one row of a
// table, so adding one means a field here and a row in options.cpp.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "finance/amortization.h"
#include "platform/services.h"

namespace tabulor {

enum class OutputFormat { Line, Json };

// Payments first..last, as --amortize names them.
struct PaymentRange {
    std::int64_t first = 0;
    std::int64_t last = 0;
};

struct CliOptions {
    OutputFormat format = OutputFormat::Line;
    bool trace = false;
    bool tape = false;                   // the tape's lines instead of the display lines
    std::optional<PowerStatus> battery;  // none: ask the system
    std::uint32_t clockStart = 0;
    std::string pngPath;          // empty: no picture is written
    std::optional<int> pngScale;  // the picture's scale, 1..4; none: 1
    // Either prints in place of the display line; none: the display line.
    std::optional<PaymentRange> amortize;
    std::optional<ScheduleGrouping> schedule;
    // With a file, its results print in place of the display line; "-" is standard input.
    std::string cashFlowsPath;
    std::optional<double> npvRate;  // percent per period
    std::optional<double> nfvRate;
    bool irr = false;
    bool showHelp = false;
    bool showVersion = false;
    bool tokenMode = false;  // at least one argument follows the options, even an empty one
    std::vector<std::string> tokenArguments;
};

struct OptionSpec {
    std::string_view name;       // "--json"
    std::string_view valueName;  // "MAIN[,BACKUP]"; empty for an option without a value
    std::string_view summary;    // one line for --help
    // Stores the value (or just the flag) in the options; returns an error text, or empty.
    std::string (*apply)(CliOptions& options, std::string_view value);
    std::string_view shortName = {};  // "-h"; empty for none
    // The value only after '=' ("--schedule=yearly"); without it the option stands alone.
    bool valueOptional = false;
};

std::span<const OptionSpec> optionTable();

struct ParsedOptions {
    CliOptions options;
    std::string error;  // empty when the command line is valid
};

// --help and --version stop the parsing where they stand.
ParsedOptions parseOptions(std::span<const std::string> arguments);

// Value parsers, shared by the option rows and their tests; each returns an error text or empty.
std::string parseBattery(std::string_view text, PowerStatus& status);
std::string parseClock(std::string_view text, std::uint32_t& ticks);
std::string parseRange(std::string_view text, PaymentRange& range);
std::string parseRate(std::string_view text, double& percent);
std::string parseScale(std::string_view text, int& scale);

}  // namespace tabulor
