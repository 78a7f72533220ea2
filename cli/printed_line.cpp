#include "cli/printed_line.h"

#include "cli/json_line.h"
#include "cli/json_state.h"
#include "display/display_text.h"

namespace tabulor {

std::string printedLine(const Calculator& calculator, OutputFormat format) {
    switch (format) {
        case OutputFormat::Json:
            return formatJsonLine(stateJson(calculator));
        case OutputFormat::Line:
            break;
    }
    return displayLine(*calculator.display);
}

std::string traceLine(std::string_view token, const Calculator& calculator, OutputFormat format) {
    std::string line(token);
    line += '\t';
    line += printedLine(calculator, format);
    return line;
}

}  // namespace tabulor
