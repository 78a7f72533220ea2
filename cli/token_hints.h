#pragma once
// What a user probably meant by a word that is no token: the nearest token names, or, for a
// number typed with a sign, an exponent or grouping commas, the keys that type it.

#include <string>
#include <string_view>
#include <vector>

namespace tabulor {

// Up to three token names, nearest first and one per key: those whose letters and digits (ASCII
// case and punctuation aside) are fewest edits away from the word's, or a common other name of
// the key ("x" for "*").
std::vector<std::string_view> nearestTokens(std::string_view word);

// The tokens that key in a signed, scientific or grouped number ("-1.5e3" gives "1.5 +/- E 3");
// empty when the word is not one.
std::string numberAsKeys(std::string_view word);

// "type it as 5 +/-", "did you mean I/YR?", or empty when nothing is near.
std::string tokenHint(std::string_view word);

}  // namespace tabulor
