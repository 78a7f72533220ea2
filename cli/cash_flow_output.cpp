#include "cli/cash_flow_output.h"

#include <optional>

#include "cli/json_line.h"
#include "display/shown_number.h"
#include "finance/irr_search.h"
#include "finance/irr_text.h"

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
    if (worked.irr) return irrRefusal(*worked.irr, paymentsPerYear);
    return {};
}

std::string irrLine(const IrrResult& irr, double paymentsPerYear, const DisplayReading& display) {
    const std::optional<double> rate = reportedRate(irr);
    const int decimals = display.decimals;
    const std::string note = irrNote(irr, decimals, display.decimalMark);
    if (!rate) return "irr none: " + note;
    return "irr " + percentText(*rate, decimals, display.decimalMark) + " per period, " +
           percentText(*rate * paymentsPerYear, decimals, display.decimalMark) +
           " per year: " + note;
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
