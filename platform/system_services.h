#pragma once
// The real platform services on Linux.

#include <filesystem>

#include "platform/services.h"

namespace tabulor {

// Milliseconds of a monotonic clock, truncated to 32 bits.
class SystemClock final : public TickSource {
  public:
    std::uint32_t now() const override;
};

// Reads the batteries under a power-supply directory (normally /sys/class/power_supply): the
// first entry of type "Battery" is the main battery, a second one the backup. Without batteries
// both read 255 (unknown), which never counts as low.
class SystemPower final : public PowerSource {
  public:
    explicit SystemPower(std::filesystem::path root = "/sys/class/power_supply")
        : root_(std::move(root)) {}
    bool query(PowerStatus& status) const override;

  private:
    std::filesystem::path root_;
};

}  // namespace tabulor
