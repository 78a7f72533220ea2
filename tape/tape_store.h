#pragma once
// The lines a tape keeps: the newest ones up to a limit, and how many older ones gave way.

#include <cstddef>
#include <cstdint>
#include <deque>

#include "tape/tape_line.h"

namespace tabulor {

inline constexpr std::size_t kTapeLineLimit = 10'000;

class TapeStore {
  public:
    explicit TapeStore(std::size_t limit = kTapeLineLimit) : limit_(limit) {}

    // The oldest line gives way when the store is full.
    void append(TapeLine line);
    // Every line, and the count of those dropped.
    void clear();

    std::size_t size() const { return lines_.size(); }
    // From the oldest kept (0) to the newest.
    const TapeLine& operator[](std::size_t index) const { return lines_[index]; }
    std::uint64_t dropped() const { return dropped_; }

  private:
    std::size_t limit_;
    std::deque<TapeLine> lines_;
    std::uint64_t dropped_ = 0;
};

}  // namespace tabulor
