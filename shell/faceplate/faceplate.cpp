#include "shell/faceplate/faceplate.h"

#include <cstddef>

#include "shell/faceplate/faceplate_layout.h"

namespace tabulor {

namespace {

constexpr Colour kMarkColour{255, 255, 255};

// Selects a palette for the length of one drawing step and puts the previous one back.
class PaletteSelection {
  public:
    PaletteSelection(Surface& surface, const Palette* palette) : surface_(surface) {
        if (palette != nullptr) {
            previous_ = surface.selectPalette(palette);
            selected_ = true;
        }
    }
    ~PaletteSelection() {
        if (selected_ && previous_ != nullptr) surface_.selectPalette(previous_);
    }
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;

  private:
    Surface& surface_;
    const Palette* previous_ = nullptr;
    bool selected_ = false;
};

void drawMark(Surface& surface, std::int32_t cellLeft, MarkCode mark) {
    if (mark == Mark::None) return;
    // The point sits in the gap after the glyph, level with the bottom segment's lower rows.
    surface.setPixel(cellLeft + 15, 41, kMarkColour);
    surface.setPixel(cellLeft + 16, 41, kMarkColour);
    surface.setPixel(cellLeft + 15, 42, kMarkColour);
    surface.setPixel(cellLeft + 16, 42, kMarkColour);
    if (mark > Mark::Point) {
        // The comma's tail, down and to the left, into the rows below the figures.
        surface.setPixel(cellLeft + 16, 43, kMarkColour);
        surface.setPixel(cellLeft + 15, 44, kMarkColour);
    }
}

void drawAnnunciator(Surface& surface, bool shown, const Rect& where, const Image* image,
                     Point source, const Palette* palette) {
    if (shown) drawImage(surface, where, image, source, palette);
}

}  // namespace

void drawImage(Surface& surface, const Rect& destination, const Image* image, Point source,
               const Palette* palette) {
    if (image == nullptr) return;
    const PaletteSelection selection(surface, palette);
    surface.copyImage(destination, *image, source);
}

void drawDisplay(const FaceplateImages& images, const Display& display, Surface& surface) {
    using namespace faceplate;
    const Palette* palette = images.displayPalette.get();
    drawAnnunciator(surface, display.shiftShown, kShiftRect, images.shiftImage.get(), {0, 0},
                    palette);
    drawAnnunciator(surface, display.beginMode, kBeginRect, images.beginImage.get(), {0, 0},
                    palette);
    drawAnnunciator(surface, display.pendShown, kPendRect, images.pendImage.get(), {0, 0}, palette);
    drawAnnunciator(surface, display.lowBattery, kBatteryRect, images.batteryImage.get(), {0, 0},
                    palette);
    // The strip has bands for codes 1..5 only; any other code has nothing to show.
    const bool errorShown = display.error >= Error::Tvm && display.error <= Error::Stat;
    drawAnnunciator(surface, errorShown, kErrorRect, images.errorStrip.get(),
                    {0, kErrorBandHeight * display.error}, palette);

    if (images.glyphStrip == nullptr) return;
    const PaletteSelection selection(surface, palette);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kShownCells); ++i) {
        const std::int32_t left = kCellLeft + kCellPitch * static_cast<std::int32_t>(i);
        const Rect cell{left, kCellTop, left + kGlyphWidth, kCellTop + kGlyphHeight};
        surface.copyImage(cell, *images.glyphStrip, {kGlyphWidth * display.cells[i], 0});
        drawMark(surface, left, display.marks[i]);
    }
}

void paintFaceplate(const FaceplateImages& images, const Calculator& calculator, Surface& surface,
                    const Rect& client) {
    const bool shiftValid = calculator.shift == 0 || calculator.shift == 1;
    const Palette* palette = images.palette.get();
    if (shiftValid) {
        const std::size_t face = static_cast<std::size_t>(calculator.shift);
        drawImage(surface, client, images.faces[face].get(), {client.left, client.top}, palette);
    }
    if (calculator.display != nullptr) drawDisplay(images, *calculator.display, surface);
    if (calculator.heldKey && isKeyCode(*calculator.heldKey) && shiftValid) {
        const Rect held = keyCell(*calculator.heldKey);
        const std::size_t pressed = static_cast<std::size_t>(calculator.shift) + 2;
        drawImage(surface, held, images.faces[pressed].get(), {held.left, held.top}, palette);
    }
}

void realizePalette(const FaceplateImages& images, Surface& surface) {
    if (images.palette == nullptr || !surface.isPaletteBased()) return;
    const Palette* previous = surface.selectPalette(images.palette.get());
    if (previous == nullptr) return;
    surface.realizeSelectedPalette();
    surface.selectPalette(previous);
}

}  // namespace tabulor
