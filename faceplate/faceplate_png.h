#pragma once
// The faceplate as a PNG file, drawn as the window would show it with no key held, at the
// images' scale.

#include <string>

#include "engine/calculator_reading.h"
#include "faceplate/faceplate_images.h"

namespace tabulor {

// False, with the reason in `error`, when there is no face to draw or the file cannot be
// written.
bool writeFaceplatePng(const FaceplateImages& images, const CalculatorReading& reading,
                       const std::string& path, std::string& error);

}  // namespace tabulor
