#include "cli/cash_flow_output.h"

#include <cmath>
#include <optional>

#include "cli/json_line.h"
#include "display/shown_number.h"
#include "finance/irr_search.h"

namespace tabulor {

namespace {

struct Worked {
    std::optional<FlowValue> npv;
    std::optional<FlowValue> nfv;
    std::optional<IrrResult> irr;
};

std::string refusalOf(const Worked& worked, double paymentsPerYear) {
    if (worked.npv && !worked.npv->refusal.empty()) return worked.npv->refusal;
    if (worked.nfv && !worked.nfv->refusal.empty()) return worked.nfv->refusal;
    if (worked.irr && !worked.irr->refusal.empty()) {
        return "cannot find the IRR: " + worked.irr->refusal;
    }
    if (worked.irr) {
        const std::optional<double> rate = reportedRate(*worked.irr);
        if (rate && !std::isfinite(*rate * paymentsPerYear)) {
            return "the IRR per year is past the largest number";
        }
    }
    return {};
}

std::string percentText(double percent, const DisplayReading& display) {
    return shownNumber(percent, display) + " %";
}

std::string changesText(int changes) {
    return "the flows change sign " + std::to_string(changes) + " times";
}

// After "irr R % per period, Y % per year: ", or after "irr none: ".
std::string irrNote(const IrrResult& irr, const DisplayReading& display) {
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
        list += (list.empty() ? "" : ", ") + percentText(root, display);
    return "the root nearest 0 of " + std::to_string(roots) + " (" + list + ")";
}

std::string irrLine(const IrrResult& irr, double paymentsPerYear, const DisplayReading& display) {
    const std::optional<double> rate = reportedRate(irr);
    if (!rate) return "irr none: " + irrNote(irr, display);
    return "irr " + percentText(*rate, display) + " per period, " +
           percentText(*rate * paymentsPerYear, display) + " per year: " + irrNote(irr, display);
}

std::vector<std::string> textLines(const Worked& worked, const CalculatorReading& reading) {
    const DisplayReading& display = *reading.display;
    std::vector<std::string> lines;
    if (worked.npv) lines.push_back("npv " + shownNumber(worked.npv->value, display));
    if (worked.nfv) lines.push_back("nfv " + shownNumber(worked.nfv->value, display));
    if (worked.irr) lines.push_back(irrLine(*worked.irr, reading.tvm.paymentsPerYear, display));
    return lines;
}

std::string jsonLine(const Worked& worked, double paymentsPerYear) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    if (worked.npv) object["npv"] = jsonNumber(worked.npv->value);
    if (worked.nfv) object["nfv"] = jsonNumber(worked.nfv->value);
    if (worked.irr) {
        const std::optional<double> rate = reportedRate(*worked.irr);
        object["irr"] = rate ? jsonNumber(*rate) : nlohmann::ordered_json();
        object["irrPerYear"] =
            rate ? jsonNumber(*rate * paymentsPerYear) : nlohmann::ordered_json();
        nlohmann::ordered_json roots = nlohmann::ordered_json::array();
        for (const double root : worked.irr->rootsPercent)
            roots.push_back(jsonNumber(root));
        object["irrRoots"] = roots;
    }
    return formatJsonLine(object);
}

}  // namespace

CashFlowResults cashFlowResults(const CashFlowList& flows, const CalculatorReading& reading,
                                const CliOptions& options) {
    Worked worked;
    if (options.npvRate) worked.npv = netPresentValue(flows, *options.npvRate);
    if (options.nfvRate) worked.nfv = netFutureValue(flows, *options.nfvRate);
    if (options.irr) worked.irr = internalRates(flows);
    CashFlowResults results;
    results.refusal = refusalOf(worked, reading.tvm.paymentsPerYear);
    if (!results.refusal.empty()) return results;
    if (options.format == OutputFormat::Json) {
        results.lines.push_back(jsonLine(worked, reading.tvm.paymentsPerYear));
    } else {
        results.lines = textLines(worked, reading);
    }
    return results;
}

}  // namespace tabulor
