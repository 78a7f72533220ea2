#pragma once
// A field of a line without the blanks around it: spaces, tabs, and the carriage return a
// Windows line ending leaves.

#include <string_view>

namespace tabulor {

constexpr std::string_view trimmedBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace tabulor
