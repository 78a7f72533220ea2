#pragma once
// Amounts rounded as the display rounds them (15 significant digits, then the decimals, a
// halfway case away from zero), at the speed a schedule of a million payments needs: the same
// doubles, to the bit, as reading back the text printFixed makes, and the same text, to the
// character. Near a halfway case they are that reading and that text.

#include <optional>

#include "display/number_text.h"

namespace tabulor {

// x rounded to the decimals; nothing when x or its rounding is not finite. Never a negative
// zero, which would print as "-0.00".
std::optional<double> shownAmount(double x, int decimals);

// The amount as plain text with a point: printFixed's, or, for one with more integer digits than
// that text holds, its 15 significant digits in scientific notation (1.23456789012345e+040).
// Read back, it is shownAmount.
NumberText amountText(double amount, int decimals);

}  // namespace tabulor
