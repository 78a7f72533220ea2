#pragma once
// The pictures the faceplate is drawn from at one scale: the four faces and the display's glyph
// strip, error strip and annunciators, and above scale 1 the marks. Scale 1's ten bitmaps are
// loaded together when the program starts; a program without all ten cannot show its
// calculator. A larger scale's set is decoded when it is first asked for.

#include <array>
#include <memory>
#include <string_view>

#include "image/image.h"

namespace tabulor {

// What a program says, in its own way (a message box, a line on standard error), when it
// cannot load them.
inline constexpr std::string_view kCantCreateCalculator = "Can't create calculator!";

struct FaceplateImages {
    // 1 to 4: every picture, and every rectangle drawn from it, is this many times the size of
    // the geometry's.
    int scale = 1;
    // The normal face, the shifted face, and both drawn with every key pressed.
    std::array<std::unique_ptr<Image>, 4> faces;
    std::unique_ptr<Image> glyphStrip;
    std::unique_ptr<Image> errorStrip;
    std::unique_ptr<Image> shiftImage;
    std::unique_ptr<Image> beginImage;
    std::unique_ptr<Image> pendImage;
    std::unique_ptr<Image> batteryImage;
    // Above scale 1: the point, then the comma, each on kMarkRect's box of the panel. At scale 1
    // the marks' pixels are set one by one and this stays null.
    std::unique_ptr<Image> markStrip;
};

// Every picture of the scale from the store: at scale 1 copies of the bitmaps, above it the
// PNG files decoded into true-colour images. False, with nothing held, when any is missing,
// cannot be decoded or has another size than the scale's, or the scale is not 1 to 4.
bool loadFaceplateImages(FaceplateImages& images, const ImageStore& store, int scale = 1);
void releaseFaceplateImages(FaceplateImages& images);

}  // namespace tabulor
