#include "faceplate/faceplate_images.h"

#include "faceplate/image_table.h"
#include "faceplate/png_image.h"

namespace tabulor {

namespace {

constexpr int kFaceIds[4] = {ImageId::Face, ImageId::ShiftedFace, ImageId::PressedFace,
                             ImageId::PressedShiftedFace};

const ImageFacts* factsOf(int id) {
    for (const ImageFacts& facts : kImageTable) {
        if (facts.id == id) return &facts;
    }
    for (const ImageFacts& facts : kLargerImageTable) {
        if (facts.id == id) return &facts;
    }
    return nullptr;
}

// A larger scale's picture, decoded, and only at the size the geometry gives it there: one of
// another size would draw parts of the wrong place.
std::unique_ptr<Image> loadScaled(const ImageStore& store, int id, int scale) {
    if (scale == 1) return loadImage(store, id);
    const ImageFacts* facts = factsOf(id);
    std::unique_ptr<Image> image = decodePngImage(store.find(scaledImageId(id, scale)));
    if (facts == nullptr || image == nullptr || imageWidth(*image) != facts->width * scale ||
        imageHeight(*image) != facts->height * scale) {
        return nullptr;
    }
    return image;
}

}  // namespace

bool loadFaceplateImages(FaceplateImages& images, const ImageStore& store, int scale) {
    releaseFaceplateImages(images);
    if (!isScale(scale)) return false;
    images.scale = scale;
    bool complete = true;
    for (int i = 0; i < 4; ++i) {
        images.faces[i] = loadScaled(store, kFaceIds[i], scale);
        complete = complete && images.faces[i] != nullptr;
    }
    images.glyphStrip = loadScaled(store, ImageId::GlyphStrip, scale);
    images.errorStrip = loadScaled(store, ImageId::ErrorStrip, scale);
    images.shiftImage = loadScaled(store, ImageId::ShiftAnnunciator, scale);
    images.beginImage = loadScaled(store, ImageId::BeginAnnunciator, scale);
    images.pendImage = loadScaled(store, ImageId::PendAnnunciator, scale);
    images.batteryImage = loadScaled(store, ImageId::BatteryAnnunciator, scale);
    if (scale > 1) images.markStrip = loadScaled(store, ImageId::MarkStrip, scale);

    complete = complete && images.glyphStrip != nullptr && images.errorStrip != nullptr &&
               images.shiftImage != nullptr && images.beginImage != nullptr &&
               images.pendImage != nullptr && images.batteryImage != nullptr &&
               (scale == 1 || images.markStrip != nullptr);
    if (!complete) releaseFaceplateImages(images);
    return complete;
}

void releaseFaceplateImages(FaceplateImages& images) {
    images = FaceplateImages{};
}

}  // namespace tabulor
