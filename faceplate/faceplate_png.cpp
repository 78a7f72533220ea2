#include "faceplate/faceplate_png.h"

#include "faceplate/faceplate.h"
#include "faceplate/geometry.h"
#include "faceplate/png_writer.h"
#include "faceplate/rgb_surface.h"

namespace tabulor {

bool writeFaceplatePng(const FaceplateImages& images, const CalculatorReading& reading,
                       const std::string& path, std::string& error) {
    const bool shiftValid = reading.face == ShiftState::Off || reading.face == ShiftState::On;
    if (!shiftValid || images.faces[static_cast<std::size_t>(reading.face)] == nullptr) {
        error = "the calculator has no faceplate images";
        return false;
    }
    const Rect face = scaled(faceplate::kFaceRect, images.scale);
    RgbSurface surface(face.width(), face.height(), Colour{255, 255, 255});
    // A picture never shows a key under the pen.
    CalculatorReading unheld = reading;
    unheld.heldKey.reset();
    paintFaceplate(images, unheld, surface, face);
    return writePng(surface, path, error);
}

}  // namespace tabulor
