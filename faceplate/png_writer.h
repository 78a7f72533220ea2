#pragma once
// Writes an in-memory surface as an 8-bit RGB PNG file, which replaces what stood at the path
// only once it is whole (see output_file.h).

#include <string>

#include "faceplate/rgb_surface.h"

namespace tabulor {

// False, with the reason in `error` ("Permission denied"), when it cannot be written; nothing at
// the path is removed, and a file there is as it was.
bool writePng(const RgbSurface& surface, const std::string& path, std::string& error);

}  // namespace tabulor
