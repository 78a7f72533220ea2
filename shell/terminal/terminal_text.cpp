#include "shell/terminal/terminal_text.h"

#include <cstdint>
#include <cstdio>

namespace tabulor {

namespace {

struct Character {
    std::size_t length = 0;  // bytes; 0 when the bytes at that place are not UTF-8
    std::uint32_t code = 0;
};

// The lead bytes of the longer UTF-8 forms, and the least code each may carry.
struct Form {
    unsigned char mask;
    unsigned char lead;
    std::size_t length;
    std::uint32_t least;
};
constexpr Form kForms[] = {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

// The UTF-8 sequence at `at`; overlong forms, surrogates and values past U+10FFFF are not UTF-8.
Character characterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {1, lead};
    for (const Form& form : kForms) {
        if ((lead & form.mask) != form.lead) continue;
        if (text.size() - at < form.length) return {};
        std::uint32_t code = lead & static_cast<unsigned char>(~form.mask);
        for (std::size_t i = 1; i < form.length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80) return {};
            code = (code << 6) | (next & 0x3Fu);
        }
        if (code < form.least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
        return {form.length, code};
    }
    return {};
}

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
        const Character character = characterAt(text, at);
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
