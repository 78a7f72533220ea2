#include "cli/input_lines.h"

#include <cerrno>

namespace tabulor {

namespace {

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

LineRead readLine(std::istream& in, std::string& line, int& error, std::size_t limit) {
    line.clear();
    std::streambuf* const buffer = in.rdbuf();
    bool any = false;
    bool tooLong = false;
    int c;
    // The stream tells an end from a failed read only by the errno the read left.
    for (errno = 0; (c = buffer->sbumpc()) != std::char_traits<char>::eof(); errno = 0) {
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
    if (c == std::char_traits<char>::eof() && errno != 0) {
        error = errno;
        in.setstate(std::ios::badbit);
        return LineRead::Failed;
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
