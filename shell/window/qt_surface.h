#pragma once
// The faceplate's drawing surface over a QPainter: rectangle copies of the cached 32-bit images
// without smoothing, single pixels, and a clip inside the region Qt asked to repaint.

#include <QPainter>
#include <QRegion>

#include "faceplate/surface.h"
#include "shell/window/qt_image_cache.h"

namespace tabulor {

class QtSurface final : public Surface {
  public:
    // `painter` is active and already clipped to the region being repainted, if any.
    QtSurface(QPainter& painter, QtImageCache& images);

    void copyImage(const Rect& destination, const Image& image, Point source) override;
    void setPixel(std::int32_t x, std::int32_t y, Colour colour) override;
    void setClip(const Rect& clip) override;

  private:
    QPainter& painter_;
    QtImageCache& images_;
    QRegion baseClip_;
    bool baseClipped_;
};

}  // namespace tabulor
