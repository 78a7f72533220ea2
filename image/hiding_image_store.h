#pragma once
// An ImageStore that passes lookups on to another store except for the ids it hides: lets a
// test take one bitmap away and watch what a missing resource does to start-up.

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "image/image.h"

namespace tabulor {

class HidingImageStore final : public ImageStore {
  public:
    // `inner` must outlive this store.
    HidingImageStore(const ImageStore& inner, std::initializer_list<int> hidden)
        : inner_(inner), hidden_(hidden) {}

    std::span<const std::uint8_t> find(int id) const override {
        if (std::find(hidden_.begin(), hidden_.end(), id) != hidden_.end()) return {};
        return inner_.find(id);
    }

  private:
    const ImageStore& inner_;
    std::vector<int> hidden_;
};

}  // namespace tabulor
