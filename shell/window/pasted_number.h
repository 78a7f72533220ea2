#pragma once
// Numbers as spreadsheets and bank statements show them, brought to the plain form the clipboard
// keys in: "$1,234.56" → "1234.56", "(1,234.56)" → "-1234.56", "−42" → "-42".

#include <optional>
#include <string>
#include <string_view>

namespace tabulor {

// `text` is UTF-8; `decimalMark` is the calculator's current one, '.' or ','; the other of the
// two is then its grouping mark. Accepted around the digits: white space; a leading currency
// sign ($ € £ ¥); a leading or trailing minus (- or U+2212), a leading +, or accounting
// parentheses for a negative. Inside the whole part: grouping by the current group mark, spaces
// (also no-break and thin ones) or apostrophes (' and U+2019), one kind per number, in groups of
// three after the first. Then an exponent after e or E.
// The result is [-]digits[.digits][e[-]digits]; nothing for text that is no number or that
// reads as two different numbers.
std::optional<std::string> plainNumberText(std::string_view text, char decimalMark);

}  // namespace tabulor
