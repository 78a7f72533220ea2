#include "finance/irr_text.h"

#include <cmath>

#include "display/shown_number.h"

namespace tabulor {

namespace {

std::string changesText(int changes) {
    return "the flows change sign " + std::to_string(changes) + " times";
}

}  // namespace

std::string percentText(double percent, int decimals, MarkCode decimalMark) {
    return shownNumber(percent, decimals, decimalMark) + " %";
}

std::string irrNote(const IrrResult& irr, int decimals, MarkCode decimalMark) {
    const std::size_t roots = irr.rootsPercent.size();
    switch (irr.kind) {
        case IrrKind::Unique:
            return "the only root";
        case IrrKind::NoSignChange:
            return "the flows never change sign";
        case IrrKind::OutOfReach:
            return "the only root lies past the largest number or within rounding of -100 %";
        case IrrKind::Scanned:
            break;
    }
    if (roots == 0)
        return "no root from -100 % to 10,000 %, though " + changesText(irr.signChanges);
    if (roots == 1) {
        return "the only root from -100 % to 10,000 %, though " + changesText(irr.signChanges);
    }
    std::string list;
    for (const double root : irr.rootsPercent)
        list += (list.empty() ? "" : ", ") + percentText(root, decimals, decimalMark);
    return "the root nearest 0 of " + std::to_string(roots) + " (" + list + ")";
}

std::string irrRefusal(const IrrResult& irr, double paymentsPerYear) {
    if (!irr.refusal.empty()) return "cannot find the IRR: " + irr.refusal;
    const std::optional<double> rate = reportedRate(irr);
    if (rate && !std::isfinite(*rate * paymentsPerYear)) {
        return "the IRR per year is past the largest number";
    }
    return {};
}

}  // namespace tabulor
