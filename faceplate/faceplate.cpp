#include "faceplate/faceplate.h"

#include <cstddef>

#include "faceplate/geometry.h"

namespace tabulor {

namespace {

constexpr Colour kMarkColour{255, 255, 255};

void drawMark(Surface& surface, std::int32_t cellLeft, MarkCode mark) {
    if (mark == MarkCode::None) return;
    for (const Point pixel : faceplate::kPointPixels)
        surface.setPixel(cellLeft + pixel.x, pixel.y, kMarkColour);
    if (mark <= MarkCode::Point) return;
    for (const Point pixel : faceplate::kCommaTailPixels)
        surface.setPixel(cellLeft + pixel.x, pixel.y, kMarkColour);
}

void drawAnnunciator(Surface& surface, bool shown, const Rect& where, const Image* image,
                     Point source) {
    if (shown) drawImage(surface, where, image, source);
}

}  // namespace

void drawImage(Surface& surface, const Rect& destination, const Image* image, Point source) {
    if (image == nullptr) return;
    surface.copyImage(destination, *image, source);
}

void drawDisplay(const FaceplateImages& images, const DisplayReading& display, Surface& surface) {
    using namespace faceplate;
    drawAnnunciator(surface, display.shiftShown, kShiftRect, images.shiftImage.get(), {0, 0});
    drawAnnunciator(surface, display.beginMode, kBeginRect, images.beginImage.get(), {0, 0});
    drawAnnunciator(surface, display.pendShown, kPendRect, images.pendImage.get(), {0, 0});
    drawAnnunciator(surface, display.lowBattery, kBatteryRect, images.batteryImage.get(), {0, 0});
    // A code without a band has nothing to show.
    drawAnnunciator(surface, errorHasBand(display.error), kErrorRect, images.errorStrip.get(),
                    {0, kErrorBandHeight * static_cast<std::int32_t>(display.error)});

    if (images.glyphStrip == nullptr) return;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kShownCells); ++i) {
        const Rect cell = glyphCell(static_cast<int>(i));
        surface.copyImage(cell, *images.glyphStrip,
                          {kGlyphWidth * static_cast<std::int32_t>(display.cells[i]), 0});
        drawMark(surface, cell.left, display.marks[i]);
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
        const Rect held = faceplate::keyCell(*reading.heldKey);
        const std::size_t pressed = static_cast<std::size_t>(reading.face) + 2;
        drawImage(surface, held, images.faces[pressed].get(), {held.left, held.top});
    }
}

}  // namespace tabulor
