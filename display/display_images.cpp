// The display's own images: the glyph strip, the error strip and the four annunciators.
#include "display/display.h"

namespace tabulor {

bool loadDisplayImages(Display& display, const ImageStore& store) {
    display.glyphStrip = loadImage(store, ImageId::GlyphStrip);
    display.displayPalette = makePalette(display.glyphStrip.get());
    display.errorStrip = loadImage(store, ImageId::ErrorStrip);
    display.shiftImage = loadImage(store, ImageId::ShiftAnnunciator);
    display.beginImage = loadImage(store, ImageId::BeginAnnunciator);
    display.pendImage = loadImage(store, ImageId::PendAnnunciator);
    display.batteryImage = loadImage(store, ImageId::BatteryAnnunciator);

    // The palette is optional: without one the images are drawn by the platform's own colour
    // matching.
    const bool complete = display.glyphStrip != nullptr && display.errorStrip != nullptr &&
                          display.shiftImage != nullptr && display.beginImage != nullptr &&
                          display.pendImage != nullptr && display.batteryImage != nullptr;
    if (!complete) releaseDisplayImages(display);
    return complete;
}

void releaseDisplayImages(Display& display) {
    display.displayPalette.reset();
    display.errorStrip.reset();
    display.shiftImage.reset();
    display.beginImage.reset();
    display.pendImage.reset();
    display.batteryImage.reset();
    display.glyphStrip.reset();
}

}  // namespace tabulor
