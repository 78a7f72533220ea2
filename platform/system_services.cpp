#include "platform/system_services.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace tabulor {

std::uint32_t SystemClock::now() const {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count());
}

namespace {

std::string readFirstLine(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// A capacity outside 0..100 or unreadable is "unknown".
std::uint8_t readCapacity(const std::filesystem::path& supply) {
    const std::string text = readFirstLine(supply / "capacity");
    if (text.empty() || text.size() > 3) return kUnknownBatteryPercent;
    int percent = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return kUnknownBatteryPercent;
        percent = percent * 10 + (c - '0');
    }
    return percent <= 100 ? static_cast<std::uint8_t>(percent) : kUnknownBatteryPercent;
}

}  // namespace

bool SystemPower::query(PowerStatus& status) const {
    status = PowerStatus{};
    std::error_code error;
    std::vector<std::filesystem::path> batteries;
    for (const auto& entry : std::filesystem::directory_iterator(root_, error)) {
        if (readFirstLine(entry.path() / "type") == "Battery") batteries.push_back(entry.path());
    }
    // Directory order is arbitrary; sorting makes BAT0 the main battery and BAT1 the backup.
    std::sort(batteries.begin(), batteries.end());
    if (!batteries.empty()) status.mainPercent = readCapacity(batteries[0]);
    if (batteries.size() > 1) status.backupPercent = readCapacity(batteries[1]);
    return true;
}

}  // namespace tabulor
