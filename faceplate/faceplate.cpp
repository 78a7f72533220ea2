#include "faceplate/faceplate.h"

#include <cstddef>

#include "faceplate/geometry.h"

namespace tabulor {

namespace {

constexpr Colour kMarkColour{255, 255, 255};

// At scale 1 the mark's pixels one by one; above it the mark's picture, kept to the panel so
// that a mark on the last cell paints no panel colour onto the case.
void drawMark(const FaceplateImages& images, Surface& surface, std::int32_t cellLeft,
              MarkCode mark) {
    using namespace faceplate;
    if (mark == MarkCode::None) return;
    const std::int32_t s = images.scale;
    if (s > 1) {
        const Rect box{cellLeft + kMarkRect.left, kMarkRect.top, cellLeft + kMarkRect.right,
                       kMarkRect.bottom};
        const Rect shown = intersection(scaled(box, s), scaled(kPanelRect, s));
        if (shown.right <= shown.left || images.markStrip == nullptr) return;
        // As at scale 1: any code above the point's draws the comma.
        const std::int32_t picture = mark <= MarkCode::Point ? 0 : kMarkRect.width() * s;
        surface.copyImage(shown, *images.markStrip,
                          {picture + shown.left - box.left * s, shown.top - box.top * s});
        return;
    }
    for (const Point pixel : kPointPixels)
        surface.setPixel(cellLeft + pixel.x, pixel.y, kMarkColour);
    if (mark <= MarkCode::Point) return;
    for (const Point pixel : kCommaTailPixels)
        surface.setPixel(cellLeft + pixel.x, pixel.y, kMarkColour);
}

void drawAnnunciator(Surface& surface, bool shown, const Rect& where, const Image* image,
                     Point source, std::int32_t scale) {
    if (shown) drawImage(surface, scaled(where, scale), image, scaled(source, scale));
}

}  // namespace

void drawImage(Surface& surface, const Rect& destination, const Image* image, Point source) {
    if (image == nullptr) return;
    surface.copyImage(destination, *image, source);
}

void drawDisplay(const FaceplateImages& images, const DisplayReading& display, Surface& surface) {
    using namespace faceplate;
    const std::int32_t s = images.scale;
    drawAnnunciator(surface, display.shiftShown, kShiftRect, images.shiftImage.get(), {0, 0}, s);
    drawAnnunciator(surface, display.beginMode, kBeginRect, images.beginImage.get(), {0, 0}, s);
    drawAnnunciator(surface, display.pendShown, kPendRect, images.pendImage.get(), {0, 0}, s);
    drawAnnunciator(surface, display.lowBattery, kBatteryRect, images.batteryImage.get(), {0, 0},
                    s);
    // A code without a band has nothing to show.
    drawAnnunciator(surface, errorHasBand(display.error), kErrorRect, images.errorStrip.get(),
                    {0, kErrorBandHeight * static_cast<std::int32_t>(display.error)}, s);

    if (images.glyphStrip == nullptr) return;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kShownCells); ++i) {
        const Rect cell = glyphCell(static_cast<int>(i));
        const Point glyph{kGlyphWidth * static_cast<std::int32_t>(display.cells[i]), 0};
        surface.copyImage(scaled(cell, s), *images.glyphStrip, scaled(glyph, s));
        drawMark(images, surface, cell.left, display.marks[i]);
    }
}

void paintFaceplate(const FaceplateImages& images, const CalculatorReading& reading,
                    Surface& surface, const Rect& client) {
    const bool shiftValid = reading.face == ShiftState::Off || reading.face == ShiftState::On;
    if (shiftValid) {
        const std::size_t face = static_cast<std::size_t>(reading.face);
        drawImage(surface, client, images.faces[face].get(), {client.left, client.top});
    }
    if (reading.display) drawDisplay(images, *reading.display, surface);
    if (reading.heldKey && isKeyCode(*reading.heldKey) && shiftValid) {
        const Rect held = scaled(faceplate::keyCell(*reading.heldKey), images.scale);
        const std::size_t pressed = static_cast<std::size_t>(reading.face) + 2;
        drawImage(surface, held, images.faces[pressed].get(), {held.left, held.top});
    }
}

}  // namespace tabulor
