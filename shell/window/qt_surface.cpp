#include "shell/window/qt_surface.h"

namespace tabulor {

QtSurface::QtSurface(QPainter& painter, QtImageCache& images)
    : painter_(painter),
      images_(images),
      baseClip_(painter.clipRegion()),
      baseClipped_(painter.hasClipping()) {
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
}

void QtSurface::copyImage(const Rect& destination, const Image& image, Point source) {
    const QImage& pixels = images_.get(image);
    if (pixels.isNull()) return;
    const int width = destination.right - destination.left;
    const int height = destination.bottom - destination.top;
    if (width <= 0 || height <= 0) return;
    // Only the part of the source that lies inside the image is copied; the rest of the
    // destination keeps what it had, as on every other surface.
    const QRect wanted(source.x, source.y, width, height);
    const QRect available = wanted.intersected(pixels.rect());
    if (available.isEmpty()) return;
    const QPoint target(destination.left + (available.left() - source.x),
                        destination.top + (available.top() - source.y));
    painter_.drawImage(target, pixels, available);
}

void QtSurface::setPixel(std::int32_t x, std::int32_t y, Colour colour) {
    painter_.fillRect(QRect(x, y, 1, 1), QColor(colour.red, colour.green, colour.blue));
}

void QtSurface::setClip(const Rect& clip) {
    const QRect wanted(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
    painter_.setClipRegion(baseClipped_ ? baseClip_.intersected(wanted) : QRegion(wanted));
}

}  // namespace tabulor
