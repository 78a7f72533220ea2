#include "faceplate/faceplate_images.h"

#include "faceplate/image_table.h"

namespace tabulor {

namespace {

constexpr int kFaceIds[4] = {ImageId::Face, ImageId::ShiftedFace, ImageId::PressedFace,
                             ImageId::PressedShiftedFace};

}  // namespace

bool loadFaceplateImages(FaceplateImages& images, const ImageStore& store) {
    bool complete = true;
    for (int i = 0; i < 4; ++i) {
        images.faces[i] = loadImage(store, kFaceIds[i]);
        complete = complete && images.faces[i] != nullptr;
    }
    images.glyphStrip = loadImage(store, ImageId::GlyphStrip);
    images.errorStrip = loadImage(store, ImageId::ErrorStrip);
    images.shiftImage = loadImage(store, ImageId::ShiftAnnunciator);
    images.beginImage = loadImage(store, ImageId::BeginAnnunciator);
    images.pendImage = loadImage(store, ImageId::PendAnnunciator);
    images.batteryImage = loadImage(store, ImageId::BatteryAnnunciator);

    complete = complete && images.glyphStrip != nullptr && images.errorStrip != nullptr &&
               images.shiftImage != nullptr && images.beginImage != nullptr &&
               images.pendImage != nullptr && images.batteryImage != nullptr;
    if (!complete) releaseFaceplateImages(images);
    return complete;
}

void releaseFaceplateImages(FaceplateImages& images) {
    images = FaceplateImages{};
}

}  // namespace tabulor
