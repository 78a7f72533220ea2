#pragma once
// A surface in plain memory, 8-bit red, green and blue per pixel: what the tests inspect and
// what a PNG is written from. Images show their own table colours.

#include <array>
#include <cstdint>
#include <vector>

#include "faceplate/surface.h"

namespace tabulor {

class RgbSurface final : public Surface {
  public:
    RgbSurface(std::int32_t width, std::int32_t height, Colour background = {});

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    // Black for a point outside the surface.
    Colour pixel(std::int32_t x, std::int32_t y) const;
    // Rows top to bottom, three bytes (red, green, blue) a pixel, no padding.
    const std::vector<std::uint8_t>& rgb() const { return rgb_; }

    void copyImage(const Rect& destination, const Image& image, Point source) override;
    void setPixel(std::int32_t x, std::int32_t y, Colour colour) override;
    void setClip(const Rect& clip) override;

  private:
    bool drawable(std::int32_t x, std::int32_t y) const;
    // The colours of the image's table by pixel index as red, green, blue and a spare byte in
    // memory order, remade only when the table differs from the last one (every bitmap of the
    // faceplate shares one).
    const std::array<std::uint32_t, 256>& coloursOf(const Image& image);

    std::int32_t width_;
    std::int32_t height_;
    Rect clip_;
    std::vector<std::uint8_t> rgb_;
    std::vector<std::uint8_t> colourTable_;
    std::array<std::uint32_t, 256> colours_{};
};

}  // namespace tabulor
