#include "shell/window/qt_image_cache.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tabulor {

QImage toRgb32(const Image& image) {
    if (!imageIsComplete(image)) return QImage();
    const int width = imageWidth(image);
    const int height = imageHeight(image);
    QImage converted(width, height, QImage::Format_RGB32);
    if (converted.isNull()) return converted;
    if (imageIsTrueColour(image)) {
        for (int y = 0; y < height; ++y)
            std::memcpy(converted.scanLine(y), imageRow(image, y), std::size_t(width) * 4);
        return converted;
    }
    // Every image is converted before the first paint: colours are looked up once per table
    // entry, and whole rows read straight from the bytes, not pixel by pixel through the header.
    std::array<QRgb, 256> colours;
    for (unsigned index = 0; index < colours.size(); ++index) {
        const PaletteEntry colour = tableColour(image, static_cast<std::uint8_t>(index));
        colours[index] = qRgb(colour.red, colour.green, colour.blue);
    }
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = imageRow(image, y);
        auto* row = reinterpret_cast<QRgb*>(converted.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = colours[in[x]];
    }
    return converted;
}

QImage sharedRgb32(const Image& image) {
    if (!imageIsComplete(image) || !imageIsTrueColour(image) || !imageIsTopDown(image)) {
        return QImage();
    }
    return QImage(imageRow(image, 0), imageWidth(image), imageHeight(image),
                  static_cast<qsizetype>(imageRowStride(image)), QImage::Format_RGB32);
}

const QImage& QtImageCache::get(const Image& image) {
    const auto found = images_.find(&image);
    if (found != images_.end()) return found->second;
    // The larger sets' pixels already lie as Qt's 32-bit format, top row first: Qt reads them
    // where they are, and the set is not held twice.
    QImage shared = sharedRgb32(image);
    return images_.emplace(&image, shared.isNull() ? toRgb32(image) : std::move(shared))
        .first->second;
}

}  // namespace tabulor
