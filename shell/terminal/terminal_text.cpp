#include "shell/terminal/terminal_text.h"

#include <cstdint>
#include <cstdio>

#include "text/utf8.h"

namespace tabulor {

namespace {

bool isControl(std::uint32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

struct Range {
    std::uint32_t first;
    std::uint32_t last;
};

// Unicode's format characters (category Cf, as of Unicode 15) and the line and paragraph
// separators: each is invisible, or reorders, joins or breaks the text around it.
constexpr Range kInvisible[] = {
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
    {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x2028, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
};

bool isInvisible(std::uint32_t code) {
    for (const Range& range : kInvisible) {
        if (code < range.first) return false;
        if (code <= range.last) return true;
    }
    return false;
}

void appendCode(std::string& out, std::uint32_t code) {
    char escape[11];
    std::snprintf(escape, sizeof escape, code > 0xFFFF ? "\\U%08x" : "\\u%04x", code);
    out += escape;
}

void appendEscaped(std::string& out, std::string_view bytes) {
    for (const char byte : bytes) {
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(byte));
        out += escape;
    }
}

}  // namespace

std::string terminalSafe(std::string_view text, std::size_t maxCharacters) {
    std::string out;
    std::size_t at = 0;
    for (std::size_t shown = 0; at < text.size() && shown < maxCharacters; ++shown) {
        const Utf8Character character = utf8CharacterAt(text, at);
        const std::size_t length = character.length == 0 ? 1 : character.length;
        const std::string_view bytes = text.substr(at, length);
        if (character.length == 0 || isControl(character.code)) {
            appendEscaped(out, bytes);
        } else if (isInvisible(character.code)) {
            appendCode(out, character.code);
        } else if (character.code == '\\') {
            out += "\\\\";
        } else {
            out += bytes;
        }
        at += length;
    }
    if (at < text.size()) out += "…";
    return out;
}

}  // namespace tabulor
