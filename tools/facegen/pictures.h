#pragma once
// Each picture of the image table drawn at a scale, as its id says.

#include <cstdint>
#include <string>

#include "canvas.h"
#include "captions.h"
#include "face.h"
#include "faceplate/image_table.h"

namespace tabulor::facegen {

struct Picture {
    std::string file;           // in the resources folder, as scaledImageFile() names it
    std::uint32_t coloursUsed;  // the bitmap header's count: 0 for the faces and the glyph strip
    Canvas canvas;
};

// False, with the reason in `error`, when a legend or caption cannot be set.
bool drawPicture(const ImageFacts& image, const Fonts& fonts, const Captions& captions,
                 Picture& picture, std::string& error);

}  // namespace tabulor::facegen
