#pragma once
// Writes an in-memory surface as an 8-bit RGB PNG file.

#include <string>

#include "shell/faceplate/rgb_surface.h"

namespace tabulor {

// False, with a message naming the file and the cause in `error`, when it cannot be written.
bool writePng(const RgbSurface& surface, const std::string& path, std::string& error);

}  // namespace tabulor
