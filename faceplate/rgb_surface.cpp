#include "faceplate/rgb_surface.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

namespace tabulor {

RgbSurface::RgbSurface(std::int32_t width, std::int32_t height, Colour background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      clip_{0, 0, width_, height_},
      rgb_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3) {
    for (std::size_t at = 0; at < rgb_.size(); at += 3) {
        rgb_[at] = background.red;
        rgb_[at + 1] = background.green;
        rgb_[at + 2] = background.blue;
    }
}

Colour RgbSurface::pixel(std::int32_t x, std::int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    return {rgb_[at], rgb_[at + 1], rgb_[at + 2]};
}

bool RgbSurface::drawable(std::int32_t x, std::int32_t y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ && x >= clip_.left && x < clip_.right &&
           y >= clip_.top && y < clip_.bottom;
}

void RgbSurface::setPixel(std::int32_t x, std::int32_t y, Colour colour) {
    if (!drawable(x, y)) return;
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    rgb_[at] = colour.red;
    rgb_[at + 1] = colour.green;
    rgb_[at + 2] = colour.blue;
}

void RgbSurface::copyImage(const Rect& destination, const Image& image, Point source) {
    if (!imageIsComplete(image)) return;
    // Only the part of the destination inside the surface, the clip and the image is visited, so
    // a wild rectangle costs nothing; 64-bit sums keep far-off source points from overflowing.
    const std::int64_t dx = std::int64_t{source.x} - destination.left;
    const std::int64_t dy = std::int64_t{source.y} - destination.top;
    const std::int64_t top = std::max<std::int64_t>({destination.top, clip_.top, 0, -dy});
    const std::int64_t bottom = std::min<std::int64_t>(
        {destination.bottom, clip_.bottom, height_, imageHeight(image) - dy});
    const std::int64_t left = std::max<std::int64_t>({destination.left, clip_.left, 0, -dx});
    const std::int64_t right =
        std::min<std::int64_t>({destination.right, clip_.right, width_, imageWidth(image) - dx});
    if (top >= bottom || left >= right) return;

    const std::uint8_t* topRow = imageRow(image, static_cast<std::int32_t>(top + dy));
    const std::ptrdiff_t step = imageRowStep(image);
    if (imageIsTrueColour(image)) {
        for (std::int64_t y = top; y < bottom; ++y) {
            const std::uint8_t* in = topRow + (y - top) * step + (left + dx) * 4;
            std::uint8_t* out = rgb_.data() + (static_cast<std::size_t>(y) * width_ + left) * 3;
            for (std::int64_t x = left; x < right; ++x, in += 4, out += 3) {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
            }
        }
        return;
    }
    const std::array<std::uint32_t, 256>& colours = coloursOf(image);
    for (std::int64_t y = top; y < bottom; ++y) {
        const std::uint8_t* row = topRow + (y - top) * step;
        std::uint8_t* out = rgb_.data() + (static_cast<std::size_t>(y) * width_ + left) * 3;
        // Four bytes a store, the fourth overwritten by the next pixel; the last pixel of the
        // row takes only its three, so nothing past the row is touched.
        std::int64_t x = left;
        for (; x + 1 < right; ++x, out += 3)
            std::memcpy(out, &colours[row[x + dx]], 4);
        std::memcpy(out, &colours[row[x + dx]], 3);
    }
}

const std::array<std::uint32_t, 256>& RgbSurface::coloursOf(const Image& image) {
    // A whole face is copied on every repaint: colours are looked up once, not once per pixel.
    const std::size_t tableEndOffset = imagePixelOffset(image);
    const std::size_t tableSize = 4u * colourCount(&image);
    const auto tableEnd = image.bytes.begin() + static_cast<std::ptrdiff_t>(tableEndOffset);
    const auto tableBegin = tableEnd - static_cast<std::ptrdiff_t>(tableSize);
    if (!std::equal(tableBegin, tableEnd, colourTable_.begin(), colourTable_.end())) {
        colourTable_.assign(tableBegin, tableEnd);
        for (unsigned index = 0; index < colours_.size(); ++index) {
            const PaletteEntry entry = tableColour(image, static_cast<std::uint8_t>(index));
            const std::uint8_t bytes[4] = {entry.red, entry.green, entry.blue, 0};
            std::memcpy(&colours_[index], bytes, 4);
        }
    }
    return colours_;
}

void RgbSurface::setClip(const Rect& clip) {
    clip_ = clip;
}

}  // namespace tabulor
