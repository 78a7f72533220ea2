#include "tape/tape_csv.h"

#include <string_view>

#include "display/message_table.h"

namespace tabulor {

namespace {

// Every text is quoted alike: the numbers hold grouping commas.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

}  // namespace

std::string tapeCsvHeader() {
    return "keyed,key,shown,message,solved";
}

std::string tapeCsvRow(const TapeLine& line) {
    std::string row = quoted(line.keyed) + ',' + quoted(line.key) + ',' + quoted(line.shown) + ',';
    if (line.message) row += messageEntry(*line.message).name;
    row += line.solved ? ",true" : ",false";
    return row;
}

}  // namespace tabulor
