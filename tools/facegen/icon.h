#pragma once
// The application icon: a small white calculator with the faceplate's purple display and blue
// and red keys, drawn at any size with transparent surroundings.

#include <cstdint>
#include <vector>

namespace tabulor::facegen {

// Rows top to bottom, 4 bytes (red, green, blue, alpha) a pixel, not premultiplied.
std::vector<std::uint8_t> drawIcon(int size);

}  // namespace tabulor::facegen
