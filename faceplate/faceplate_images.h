#pragma once
// The ten bitmaps the faceplate is drawn from: the four faces and the display's glyph strip,
// error strip and annunciators. Loaded together when the program starts;
// a program without all ten cannot show its calculator.

#include <array>
#include <memory>
#include <string_view>

#include "image/image.h"

namespace tabulor {

// What a program says, in its own way (a message box, a line on standard error), when it
// cannot load them.
inline constexpr std::string_view kCantCreateCalculator = "Can't create calculator!";

struct FaceplateImages {
    // The normal face, the shifted face, and both drawn with every key pressed.
    std::array<std::unique_ptr<Image>, 4> faces;
    std::unique_ptr<Image> glyphStrip;
    std::unique_ptr<Image> errorStrip;
    std::unique_ptr<Image> shiftImage;
    std::unique_ptr<Image> beginImage;
    std::unique_ptr<Image> pendImage;
    std::unique_ptr<Image> batteryImage;
};

// Every image from the store. False, with nothing held, when any of the ten is missing.
bool loadFaceplateImages(FaceplateImages& images, const ImageStore& store);
void releaseFaceplateImages(FaceplateImages& images);

}  // namespace tabulor
