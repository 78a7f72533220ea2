#pragma once
// Writing the artwork: 8-bit bitmap files with the shared colour table, and PNG files.

#include <cstdint>
#include <string>
#include <vector>

#include "palette.h"

namespace tabulor::facegen {

// A bitmap file: 14-byte file header, then the packed bitmap (40-byte header, the 256-entry
// table, bottom-up rows padded to 4 bytes). `coloursUsed` goes into the header as it is.
bool writeBitmap(const std::string& path, const IndexedImage& image, const SharedPalette& palette,
                 std::uint32_t coloursUsed, std::string& error);

// Rows top to bottom, 4 bytes (red, green, blue, alpha) a pixel.
bool writePngRgba(const std::string& path, int width, int height,
                  const std::vector<std::uint8_t>& rgba, std::string& error);

// Rows top to bottom, 3 bytes (red, green, blue) a pixel: an opaque picture.
bool writePngRgb(const std::string& path, int width, int height,
                 const std::vector<std::uint8_t>& rgb, std::string& error);

}  // namespace tabulor::facegen
