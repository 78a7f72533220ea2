#include "cli/printed_line.h"

#include "cli/json_line.h"
#include "cli/json_state.h"
#include "display/display_text.h"
#include "tape/tape_text.h"

namespace tabulor {

std::string printedLine(const CalculatorReading& reading, OutputFormat format) {
    switch (format) {
        case OutputFormat::Json:
            return formatJsonLine(stateJson(reading));
        case OutputFormat::Line:
            break;
    }
    return displayLine(*reading.display);
}

std::string printedTapeLine(const TapeLine& line, OutputFormat format) {
    switch (format) {
        case OutputFormat::Json:
            return formatJsonLine(tapeLineJson(line));
        case OutputFormat::Line:
            break;
    }
    return tapeText(line);
}

std::string traceLine(std::string_view token, const CalculatorReading& reading,
                      OutputFormat format) {
    std::string line(token);
    line += '\t';
    line += printedLine(reading, format);
    return line;
}

}  // namespace tabulor
