#include "cli/cash_flow_input.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <istream>

#include "finance/cash_flow_csv.h"
#include "shell/instance/unique_fd.h"
#include "shell/terminal/terminal_text.h"

namespace tabulor {

namespace {

constexpr std::size_t kChunkBytes = 65536;

// Appends a chunk, or says why the whole would be too large.
std::string appended(std::string& text, const char* chunk, std::size_t size) {
    if (text.size() + size > kMaxCashFlowBytes) return "it is larger than 64 MiB";
    text.append(chunk, size);
    return {};
}

// The whole stream, or why not. The stream tells an end from a failed read only by the errno
// the read left.
std::string readStream(std::istream& in, std::string& text) {
    std::streambuf* const buffer = in.rdbuf();
    char chunk[kChunkBytes];
    for (;;) {
        errno = 0;
        const std::streamsize got = buffer->sgetn(chunk, sizeof chunk);
        if (got <= 0) return errno != 0 ? std::strerror(errno) : std::string();
        if (std::string full = appended(text, chunk, static_cast<std::size_t>(got));
            !full.empty()) {
            return full;
        }
    }
}

// Through the descriptor, since a file stream reports a folder by an exception.
std::string readFile(const std::string& path, std::string& text) {
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) return std::strerror(errno);
    char chunk[kChunkBytes];
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::strerror(errno);
        if (got == 0) return {};
        if (std::string full = appended(text, chunk, static_cast<std::size_t>(got));
            !full.empty()) {
            return full;
        }
    }
}

}  // namespace

CashFlowInput readCashFlowInput(const std::string& path, std::istream& in) {
    const bool standardInput = path == "-";
    const std::string name = standardInput ? "standard input" : terminalSafe(path);
    std::string text;
    const std::string failure = standardInput ? readStream(in, text) : readFile(path, text);
    if (!failure.empty()) return {{}, "cannot read " + name + ": " + failure};
    CashFlowRead read = readCashFlowCsv(text);
    if (!read.error.empty()) return {{}, name + ": " + terminalSafe(read.error)};
    return {std::move(read.flows), {}};
}

}  // namespace tabulor
