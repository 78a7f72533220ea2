#include "shell/panels/tape_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "faceplate/output_file.h"
#include "tape/tape_csv.h"
#include "tape/tape_text.h"

namespace tabulor {

namespace {

bool endsWithCsv(std::string_view name) {
    if (name.size() < 4) return false;
    std::string tail(name.substr(name.size() - 4));
    for (char& c : tail)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == ".csv";
}

std::string writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return std::strerror(errno);
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

}  // namespace

TapeFormat tapeFormatFor(std::string_view path, bool csvChosen) {
    const std::string_view name = path.substr(path.rfind('/') + 1);
    if (endsWithCsv(name)) return TapeFormat::Csv;
    const bool extension = name.find('.', 1) != std::string_view::npos;
    return csvChosen && !extension ? TapeFormat::Csv : TapeFormat::Text;
}

std::string tapeFileContents(const TapeStore& tape, TapeFormat format) {
    std::string text;
    if (format == TapeFormat::Csv) text += tapeCsvHeader() + '\n';
    for (std::size_t i = 0; i < tape.size(); ++i) {
        text += format == TapeFormat::Csv ? tapeCsvRow(tape[i]) : tapeText(tape[i]);
        text += '\n';
    }
    return text;
}

std::string saveTapeFile(const std::string& path, const TapeStore& tape, TapeFormat format) {
    const std::string contents = tapeFileContents(tape, format);
    return writeOutputFile(path, [&](int fd) { return writeAll(fd, contents); });
}

}  // namespace tabulor
