#include "shell/window/zoom_geometry.h"

#include <algorithm>
#include <cmath>

#include "faceplate/geometry.h"
#include "faceplate/image_table.h"

namespace tabulor {

namespace {

int floorOf(double value) {
    return static_cast<int>(std::floor(value + 1e-9));
}
int ceilOf(double value) {
    return static_cast<int>(std::ceil(value - 1e-9));
}

}  // namespace

int ZoomGeometry::scale() const {
    return std::max(1, static_cast<int>(std::lround(zoom * devicePixelRatio)));
}

int ZoomGeometry::logicalWidth() const {
    return ceilOf(faceplate::kWidth * scale() / devicePixelRatio);
}

int ZoomGeometry::logicalHeight() const {
    return ceilOf(faceplate::kHeight * scale() / devicePixelRatio);
}

int ZoomGeometry::faceplateCoordinate(double logical) const {
    return floorOf(logical * devicePixelRatio / scale());
}

Rect ZoomGeometry::logicalRect(const Rect& r) const {
    const double factor = scale() / devicePixelRatio;
    return Rect{floorOf(r.left * factor), floorOf(r.top * factor), ceilOf(r.right * factor),
                ceilOf(r.bottom * factor)};
}

Rect ZoomGeometry::faceplateRect(const Rect& r) const {
    const double factor = devicePixelRatio / scale();
    return Rect{floorOf(r.left * factor), floorOf(r.top * factor), ceilOf(r.right * factor),
                ceilOf(r.bottom * factor)};
}

int imageSetScale(int deviceScale) {
    return std::clamp(deviceScale, 1, kMaxScale);
}

int largestZoomWithin(int width, int height, double devicePixelRatio) {
    for (int zoom = kMaxZoom; zoom > kMinZoom; --zoom) {
        const ZoomGeometry geometry{zoom, devicePixelRatio};
        if (geometry.logicalWidth() <= width && geometry.logicalHeight() <= height) return zoom;
    }
    return kMinZoom;
}

}  // namespace tabulor
