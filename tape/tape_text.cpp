#include "tape/tape_text.h"

#include <algorithm>
#include <string_view>

#include "display/message_table.h"

namespace tabulor {

namespace {

constexpr std::size_t kKeyedWidth = 17;
constexpr std::size_t kKeyWidth = 10;
constexpr std::size_t kValueWidth = 17;
constexpr std::string_view kGap = "  ";
// Where the display line's annunciators begin; no cell or mark reads as '['.
constexpr std::string_view kAnnunciatorsStart = "  [";

// Characters, not bytes: the legends hold ×, −, ÷ and the like.
std::size_t columns(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void appendRightAligned(std::string& out, std::string_view text, std::size_t width) {
    const std::size_t used = columns(text);
    if (used < width) out.append(width - used, ' ');
    out += text;
}

// The value column: the cells without the sign cell's blank, or the message they spell.
std::string valueText(const TapeLine& line, std::string_view cells) {
    if (line.message && !messageEntry(*line.message).text.empty()) {
        return messageWords(*line.message);
    }
    const std::size_t start = cells.find_first_not_of(' ');
    return std::string(start == std::string_view::npos ? std::string_view() : cells.substr(start));
}

}  // namespace

std::string messageWords(MessageKind kind) {
    std::string words(messageEntry(kind).name);
    std::replace(words.begin(), words.end(), '-', ' ');
    return words;
}

std::string tapeText(const TapeLine& line) {
    const std::string_view shown = line.shown;
    const std::size_t split = std::min(shown.find(kAnnunciatorsStart), shown.size());
    std::string out;
    appendRightAligned(out, line.keyed, kKeyedWidth);
    out += kGap;
    appendRightAligned(out, line.key, kKeyWidth);
    out += kGap;
    appendRightAligned(out, valueText(line, shown.substr(0, split)), kValueWidth);
    out += line.solved ? " *" : "  ";
    out += shown.substr(split);
    out.erase(out.find_last_not_of(' ') + 1);
    return out;
}

}  // namespace tabulor
