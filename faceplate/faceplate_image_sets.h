#pragma once
// The faceplate's pictures at every scale, each set loaded on first use: a program that only
// ever draws at scale 1 decodes nothing else. Not shared between threads.

#include <array>
#include <optional>

#include "faceplate/faceplate_images.h"
#include "faceplate/image_table.h"
#include "image/image.h"

namespace tabulor {

class FaceplateImageSets {
  public:
    // The store must outlive the sets.
    explicit FaceplateImageSets(const ImageStore& store) : store_(store) {}

    // The scale's set, loaded now if this is its first use; null when the scale is not 1 to 4
    // or its set cannot be loaded (asked again, it is not tried again).
    const FaceplateImages* at(int scale);
    // Forgets every set but scale 1's, to give their memory back.
    void releaseLarger();

  private:
    const ImageStore& store_;
    // By scale − 1; empty until first asked for; a set that failed stays an empty one.
    std::array<std::optional<FaceplateImages>, kMaxScale> sets_;
};

}  // namespace tabulor
