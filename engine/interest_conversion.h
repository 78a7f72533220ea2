#pragma once
// Conversion between nominal and effective annual rates, both in percent, for P payments a year.
// On a bad argument they set `error` to ERROR TVM and return 0.

#include "display/glyph.h"

namespace tabulor {

double nominalFromEffective(double effectivePercent, double paymentsPerYear, ErrorCode& error);
double effectiveFromNominal(double nominalPercent, double paymentsPerYear, ErrorCode& error);

}  // namespace tabulor
