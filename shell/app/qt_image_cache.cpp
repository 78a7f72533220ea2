#include "shell/app/qt_image_cache.h"

namespace tabulor {

QImage toRgb32(const Image& image) {
    if (!imageIsComplete(image)) return QImage();
    const int width = imageWidth(image);
    const int height = imageHeight(image);
    QImage converted(width, height, QImage::Format_RGB32);
    if (converted.isNull()) return converted;
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(converted.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const PaletteEntry colour = tableColour(image, pixelIndex(image, x, y));
            row[x] = qRgb(colour.red, colour.green, colour.blue);
        }
    }
    return converted;
}

const QImage& QtImageCache::get(const Image& image) {
    const auto found = images_.find(&image);
    if (found != images_.end()) return found->second;
    return images_.emplace(&image, toRgb32(image)).first->second;
}

}  // namespace tabulor
