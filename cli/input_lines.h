#pragma once
// The input loop's lines: read with a bound on their length, and walked word by word in place,
// so that a long line costs no more memory than its own bytes.

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace tabulor {

inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

enum class LineRead { Line, TooLong, End, Failed };

// The next line without its '\n' (a last line may lack one). A line of more than `limit` bytes is
// read to its end and dropped: TooLong, and `line` holds nothing of it. A read that fails is not
// the end of the input: Failed, with its errno in `error`.
LineRead readLine(std::istream& in, std::string& line, int& error,
                  std::size_t limit = kMaxLineBytes);

// The word of `text` that starts at or after `position`, separated by ASCII white space as
// splitWords separates them, and `position` moved past it; empty when no word is left.
std::string_view nextWord(std::string_view text, std::size_t& position);

}  // namespace tabulor
