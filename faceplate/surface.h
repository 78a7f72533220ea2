#pragma once
// What the faceplate needs of a place to draw on. The window implements it over the platform's
// painter, RgbSurface over plain memory; the drawing operations see nothing else.

#include <cstdint>

#include "faceplate/rect.h"
#include "image/image.h"

namespace tabulor {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

class Surface {
  public:
    virtual ~Surface() = default;

    // Copies the destination's width and height of `image`, starting at `source` (top-down
    // image coordinates), to `destination`: a plain source copy, the only raster operation the
    // faceplate uses. Pixels outside the image, the surface or the clip stay as they were; an
    // image the drawing layer cannot read draws nothing.
    virtual void copyImage(const Rect& destination, const Image& image, Point source) = 0;

    virtual void setPixel(std::int32_t x, std::int32_t y, Colour colour) = 0;

    // Limits all later drawing to `clip`, the region being repainted. A new surface draws
    // everywhere.
    virtual void setClip(const Rect& clip) = 0;
};

}  // namespace tabulor
