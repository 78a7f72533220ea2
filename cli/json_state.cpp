#include "cli/json_state.h"

#include "cli/json_line.h"
#include "display/display_text.h"
#include "display/message_table.h"

namespace tabulor {

namespace {

nlohmann::ordered_json tvmJson(const TvmRegisters& tvm) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    object["n"] = jsonNumber(tvm.n);
    object["interestPerYear"] = jsonNumber(tvm.interestPerYear);
    object["presentValue"] = jsonNumber(tvm.presentValue);
    object["payment"] = jsonNumber(tvm.payment);
    object["futureValue"] = jsonNumber(tvm.futureValue);
    object["years"] = jsonNumber(tvm.years);
    object["nominalPercent"] = jsonNumber(tvm.nominalPercent);
    object["effectivePercent"] = jsonNumber(tvm.effectivePercent);
    object["paymentsPerYear"] = jsonNumber(tvm.paymentsPerYear);
    return object;
}

}  // namespace

nlohmann::ordered_json messageJson(std::optional<MessageKind> message) {
    if (!message) return nullptr;
    return messageEntry(*message).name;
}

nlohmann::ordered_json stateJson(const CalculatorReading& reading) {
    const DisplayReading& display = *reading.display;
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    object["display"] = cellText(display);
    object["message"] = messageJson(display.message);
    object["annunciators"] = annunciatorNames(display);
    object["error"] = static_cast<std::int32_t>(display.error);
    object["value"] = jsonNumber(display.value);
    object["entryPending"] = display.entryPending;
    object["isOn"] = reading.isOn;
    object["prefixMode"] = static_cast<std::int32_t>(reading.prefix);
    object["depth"] = reading.depth;
    object["decimals"] = display.decimals;
    nlohmann::ordered_json registers = nlohmann::ordered_json::array();
    for (const double r : reading.registers)
        registers.push_back(jsonNumber(r));
    object["registers"] = std::move(registers);
    object["tvm"] = tvmJson(reading.tvm);
    return object;
}

nlohmann::ordered_json tapeLineJson(const TapeLine& line) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    object["keyed"] = line.keyed;
    object["key"] = line.key;
    object["shown"] = line.shown;
    object["message"] = messageJson(line.message);
    object["solved"] = line.solved;
    return object;
}

}  // namespace tabulor
