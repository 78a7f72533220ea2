#pragma once
// The one UTF-8 decoder: for pasted text, for texts shown back on a terminal and for the key
// legends the artwork draws. Header-only, so that the artwork generator, a build of its own,
// needs no library from the program.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tabulor {

struct Utf8Character {
    std::size_t length = 0;  // in bytes; 0 where the bytes at that place are not UTF-8
    char32_t code = 0;
};

// The character at byte `at` (< text.size()). Overlong forms, surrogates and values past
// U+10FFFF are not UTF-8.
constexpr Utf8Character utf8CharacterAt(std::string_view text, std::size_t at) {
    // The lead bytes of the longer forms, and the least code each may carry.
    struct Form {
        unsigned char mask;
        unsigned char lead;
        std::size_t length;
        char32_t least;
    };
    constexpr Form kForms[] = {
        {0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {1, lead};
    for (const Form& form : kForms) {
        if ((lead & form.mask) != form.lead) continue;
        if (text.size() - at < form.length) return {};
        char32_t code = lead & static_cast<unsigned char>(~form.mask);
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

// The whole text as code points, or nothing when any of it is not UTF-8.
inline std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string decoded;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = utf8CharacterAt(text, at);
        if (character.length == 0) return std::nullopt;
        decoded.push_back(character.code);
        at += character.length;
    }
    return decoded;
}

}  // namespace tabulor
