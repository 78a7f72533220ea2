#include "shell/resources/embedded_images.h"

#include "shell/resources/embedded_image_table.h"

namespace tabulor {

namespace {

class EmbeddedImageStore final : public ImageStore {
  public:
    std::span<const std::uint8_t> find(int id) const override {
        for (const EmbeddedImage& image : embeddedImageTable()) {
            if (image.id == id) return image.bytes;
        }
        return {};
    }
};

}  // namespace

const ImageStore& embeddedImages() {
    // Stateless and immutable, so one shared instance serves every caller.
    static const EmbeddedImageStore store;
    return store;
}

}  // namespace tabulor
