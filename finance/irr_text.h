#pragma once
// What the IRR found is called, for every front end that reports it: a rate in percent as the
// display shows it, and the note on whether the root is the only one.

#include <optional>
#include <string>

#include "display/glyph.h"
#include "finance/irr_search.h"

namespace tabulor {

// "28.09 %" with the display's decimals and decimal mark.
std::string percentText(double percent, int decimals, MarkCode decimalMark);

// Why the rate reported is the IRR, or why there is none: "the only root", "the root nearest 0
// of 2 (10.00 %, 20.00 %)", "the flows never change sign".
std::string irrNote(const IrrResult& irr, int decimals, MarkCode decimalMark);

// The refusal of a search that could not sum the flows, or of an IRR too large to be a rate
// per year; empty when the IRR can be reported.
std::string irrRefusal(const IrrResult& irr, double paymentsPerYear);

}  // namespace tabulor
