#include "faceplate/faceplate_image_sets.h"

#include <cstddef>

namespace tabulor {

const FaceplateImages* FaceplateImageSets::at(int scale) {
    if (!isScale(scale)) return nullptr;
    std::optional<FaceplateImages>& set = sets_[static_cast<std::size_t>(scale - 1)];
    if (!set) {
        set.emplace();
        // A failed load leaves the set empty, and an empty set says "cannot" from now on.
        loadFaceplateImages(*set, store_, scale);
    }
    return set->faces[0] != nullptr ? &*set : nullptr;
}

void FaceplateImageSets::releaseLarger() {
    for (std::size_t i = 1; i < sets_.size(); ++i)
        sets_[i].reset();
}

}  // namespace tabulor
