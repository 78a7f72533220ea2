#include "cli/input_lines.h"

namespace tabulor {

namespace {

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

LineRead readLine(std::istream& in, std::string& line, std::size_t limit) {
    line.clear();
    std::streambuf* const buffer = in.rdbuf();
    bool any = false;
    bool tooLong = false;
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
        any = true;
        if (c == '\n') break;
        if (tooLong) continue;
        if (line.size() == limit) {
            tooLong = true;
            line.clear();
            line.shrink_to_fit();
            continue;
        }
        line.push_back(static_cast<char>(c));
    }
    if (!any) {
        in.setstate(std::ios::eofbit);
        return LineRead::End;
    }
    return tooLong ? LineRead::TooLong : LineRead::Line;
}

std::string_view nextWord(std::string_view text, std::size_t& position) {
    while (position < text.size() && isWhiteSpace(text[position]))
        ++position;
    const std::size_t start = position;
    while (position < text.size() && !isWhiteSpace(text[position]))
        ++position;
    return text.substr(start, position - start);
}

}  // namespace tabulor
