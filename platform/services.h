#pragma once
// Everything the engine and the display model ask of the world outside them. The shell (or the
// command-line front end, or a test) owns the implementations and hands them in; the engine only
// borrows them, so each must outlive the Calculator it is given to.

#include <cstdint>

namespace tabulor {

// Millisecond tick count, unsigned 32-bit and wrapping after about 49 days. Read when a timed
// message is shown and each time the shell asks whether it has expired.
class TickSource {
  public:
    virtual ~TickSource() = default;
    virtual std::uint32_t now() const = 0;
};

// Remaining battery life in percent (0..100), or this when the platform cannot tell.
inline constexpr std::uint8_t kUnknownBatteryPercent = 255;

struct PowerStatus {
    std::uint8_t mainPercent = kUnknownBatteryPercent;
    std::uint8_t backupPercent = kUnknownBatteryPercent;
};

// Asked once each time the calculator is switched on. Returns false when the query fails.
class PowerSource {
  public:
    virtual ~PowerSource() = default;
    virtual bool query(PowerStatus& status) const = 0;
};

// The application window as the engine sees it. OFF uses it to end the application: first the
// deactivation notice, then a close request that the window handles later, not during the call.
class WindowLink {
  public:
    virtual ~WindowLink() = default;
    virtual void notifyDeactivated() = 0;
    virtual void postClose() = 0;
};

}  // namespace tabulor
