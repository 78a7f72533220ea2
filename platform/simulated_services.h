#pragma once
// Deterministic stand-ins for the platform services: a clock that moves only when told to and a
// fixed power status. Used by tabulor-cli and by the tests, so nothing ever sleeps.

#include <cstdint>

#include "platform/services.h"

namespace tabulor {

class SimulatedClock final : public TickSource {
  public:
    explicit SimulatedClock(std::uint32_t start = 0) : ticks_(start) {}
    std::uint32_t now() const override { return ticks_; }
    void set(std::uint32_t ticks) { ticks_ = ticks; }
    void advance(std::uint32_t ms) { ticks_ += ms; }  // wraps like the real tick count

  private:
    std::uint32_t ticks_;
};

class FixedPower final : public PowerSource {
  public:
    explicit FixedPower(PowerStatus status = {}, bool available = true)
        : status_(status), available_(available) {}
    bool query(PowerStatus& status) const override {
        if (!available_) return false;
        status = status_;
        return true;
    }

  private:
    PowerStatus status_;
    bool available_;
};

}  // namespace tabulor
