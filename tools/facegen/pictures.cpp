#include "pictures.h"

#include "display/annunciator_names.h"
#include "display_art.h"
#include "faceplate/geometry.h"

namespace tabulor::facegen {

namespace {

bool drawFacePicture(const Fonts& fonts, FaceKind kind, int scale, Picture& picture,
                     std::string& error) {
    picture.coloursUsed = 0;
    if (drawFace(fonts, kind, scale, picture.canvas, error)) return true;
    error = picture.file + ": " + error;
    return false;
}

bool captioned(bool drawn, std::string& error) {
    if (!drawn) error = "a display caption cannot be set: a letter the font lacks";
    return drawn;
}

}  // namespace

bool drawPicture(const ImageFacts& image, const Fonts& fonts, const Captions& captions,
                 Picture& picture, std::string& error) {
    const int scale = captions.scale;
    picture.file = scaledImageFile(image, scale);
    picture.coloursUsed = 256;
    switch (image.id) {
        case ImageId::Face:
            return drawFacePicture(fonts, {false, false}, scale, picture, error);
        case ImageId::ShiftedFace:
            return drawFacePicture(fonts, {true, false}, scale, picture, error);
        case ImageId::PressedFace:
            return drawFacePicture(fonts, {false, true}, scale, picture, error);
        case ImageId::PressedShiftedFace:
            return drawFacePicture(fonts, {true, true}, scale, picture, error);
        case ImageId::GlyphStrip:
            picture.coloursUsed = 0;
            picture.canvas = drawGlyphStrip(scale);
            return true;
        case ImageId::ErrorStrip:
            return captioned(drawErrorStrip(captions, picture.canvas), error);
        case ImageId::ShiftAnnunciator:
            return captioned(
                drawAnnunciator(captions, faceplate::kShiftRect, kShiftName, picture.canvas),
                error);
        case ImageId::BeginAnnunciator:
            return captioned(
                drawAnnunciator(captions, faceplate::kBeginRect, kBeginName, picture.canvas),
                error);
        case ImageId::PendAnnunciator:
            return captioned(
                drawAnnunciator(captions, faceplate::kPendRect, kPendName, picture.canvas), error);
        case ImageId::BatteryAnnunciator:
            picture.canvas = drawBatteryAnnunciator(scale);
            return true;
        case ImageId::MarkStrip:
            picture.canvas = drawMarkStrip(scale);
            return true;
        default:
            error = "no drawing for image " + std::to_string(image.id);
            return false;
    }
}

}  // namespace tabulor::facegen
