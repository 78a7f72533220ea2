#pragma once
// Drawing the faceplate: the face by the shift state, the display's cells, marks and
// annunciators over it, and the key under the pen from a pressed face over both. Everything
// goes through a Surface; nothing here knows the platform. Drawn at the images' scale: every
// rectangle of the geometry is multiplied by it, and so are the surface's coordinates.

#include "display/display_reading.h"
#include "engine/calculator_reading.h"
#include "faceplate/faceplate_images.h"
#include "faceplate/surface.h"
#include "image/image.h"

namespace tabulor {

// Copies the destination's size of `image`, from `source`, to `destination`. A null image draws
// nothing.
void drawImage(Surface& surface, const Rect& destination, const Image* image, Point source);

// The annunciators that are set, then (with a glyph strip) the 13 cells and their marks.
void drawDisplay(const FaceplateImages& images, const DisplayReading& display, Surface& surface);

// The whole faceplate: the face by the shift state, the display, and the held key's cell from a
// pressed face. `client` is in the surface's pixels, at the images' scale; the surface's clip
// decides what changes.
void paintFaceplate(const FaceplateImages& images, const CalculatorReading& reading,
                    Surface& surface, const Rect& client);

}  // namespace tabulor
