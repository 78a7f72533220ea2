#include "faceplate/faceplate_png.h"

#include "faceplate/faceplate.h"
#include "faceplate/geometry.h"
#include "faceplate/png_writer.h"
#include "faceplate/rgb_surface.h"

namespace tabulor {

bool writeFaceplatePng(const FaceplateImages& images, const Calculator& calculator,
                       const std::string& path, std::string& error) {
    const bool shiftValid =
        calculator.shift == ShiftState::Off || calculator.shift == ShiftState::On;
    if (!shiftValid || images.faces[static_cast<std::size_t>(calculator.shift)] == nullptr) {
        error = "cannot write " + path + ": the calculator has no faceplate images";
        return false;
    }
    RgbSurface surface(faceplate::kWidth, faceplate::kHeight, Colour{255, 255, 255});
    const Rect client{0, 0, faceplate::kWidth, faceplate::kHeight};
    // The face and the display only: a picture never shows a key under the pen.
    drawImage(surface, client, images.faces[static_cast<std::size_t>(calculator.shift)].get(),
              {0, 0});
    if (calculator.display != nullptr) drawDisplay(images, *calculator.display, surface);
    return writePng(surface, path, error);
}

}  // namespace tabulor
