#include "image/image.h"

#include <cstring>
#include <limits>

namespace tabulor {

namespace {

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (at + 4 > bytes.size()) return 0;
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (at + 2 > bytes.size()) return 0;
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// Larger than any picture the faceplate has at any scale; a header asking for more is damaged.
constexpr std::int32_t kMaxImageSide = 4096;

}  // namespace

std::unique_ptr<Image> loadImage(const ImageStore& store, int id) {
    const std::span<const std::uint8_t> resource = store.find(id);
    if (resource.size() < kBitmapHeaderSize) return nullptr;
    auto image = std::make_unique<Image>();
    image->bytes.assign(resource.begin(), resource.end());
    return image;
}

std::uint16_t colourCount(const Image* image) {
    if (image == nullptr) return 0;
    const std::uint16_t used = static_cast<std::uint16_t>(readU32(image->bytes, 32) & 0xFFFF);
    if (used != 0) return used;
    switch (imageBitsPerPixel(*image)) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

std::int32_t imageWidth(const Image& image) {
    return static_cast<std::int32_t>(readU32(image.bytes, 4));
}

std::int32_t imageHeight(const Image& image) {
    const auto stored = static_cast<std::int32_t>(readU32(image.bytes, 8));
    // The most negative height has no positive twin: no rows.
    if (stored == std::numeric_limits<std::int32_t>::min()) return 0;
    return stored < 0 ? -stored : stored;
}

bool imageIsTopDown(const Image& image) {
    return static_cast<std::int32_t>(readU32(image.bytes, 8)) < 0;
}

std::uint16_t imageBitsPerPixel(const Image& image) {
    return readU16(image.bytes, 14);
}

std::size_t imageRowStride(const Image& image) {
    const std::int32_t width = imageWidth(image);
    if (width <= 0) return 0;
    const std::size_t bytes = static_cast<std::size_t>(width) * (imageIsTrueColour(image) ? 4 : 1);
    return (bytes + 3) & ~static_cast<std::size_t>(3);
}

std::ptrdiff_t imageRowStep(const Image& image) {
    const auto stride = static_cast<std::ptrdiff_t>(imageRowStride(image));
    return imageIsTopDown(image) ? stride : -stride;
}

std::size_t imagePixelOffset(const Image& image) {
    return readU32(image.bytes, 0) + 4u * colourCount(&image);
}

bool imageIsComplete(const Image& image) {
    const std::int32_t width = imageWidth(image);
    const std::int32_t height = imageHeight(image);
    if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) return false;
    if (imageBitsPerPixel(image) != 8 && !imageIsTrueColour(image)) return false;
    const std::size_t end = imagePixelOffset(image) + imageRowStride(image) * height;
    return end <= image.bytes.size();
}

bool imageIsTrueColour(const Image& image) {
    return imageBitsPerPixel(image) == 32;
}

std::unique_ptr<Image> makeTrueColourImage(std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) {
        return nullptr;
    }
    const std::size_t pixelBytes =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    auto image = std::make_unique<Image>();
    image->bytes.assign(kBitmapHeaderSize + pixelBytes, 0);
    const auto put = [&](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            image->bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    put(0, kBitmapHeaderSize, 4);
    put(4, static_cast<std::uint32_t>(width), 4);
    put(8, static_cast<std::uint32_t>(-height), 4);  // negative: top-down
    put(12, 1, 2);
    put(14, 32, 2);
    put(20, static_cast<std::uint32_t>(pixelBytes), 4);
    for (std::size_t at = kBitmapHeaderSize + 3; at < image->bytes.size(); at += 4)
        image->bytes[at] = 255;
    return image;
}

const std::uint8_t* imageRow(const Image& image, std::int32_t y) {
    const std::size_t stored =
        static_cast<std::size_t>(imageIsTopDown(image) ? y : imageHeight(image) - 1 - y);
    return image.bytes.data() + imagePixelOffset(image) + stored * imageRowStride(image);
}

std::uint8_t pixelIndex(const Image& image, std::int32_t x, std::int32_t y) {
    return imageRow(image, y)[x];
}

PaletteEntry tableColour(const Image& image, std::uint8_t index) {
    if (index >= colourCount(&image)) return {};
    const std::size_t at = readU32(image.bytes, 0) + 4u * index;
    if (at + 3 > image.bytes.size()) return {};
    return PaletteEntry{image.bytes[at + 2], image.bytes[at + 1], image.bytes[at], 0};
}

}  // namespace tabulor
