#pragma once
// Decoding the larger scales' compressed pictures (PNG files) into true-colour images.

#include <cstdint>
#include <memory>
#include <span>

#include "image/image.h"

namespace tabulor {

// Null when the bytes are not a PNG file libpng can read, or the picture is too large.
std::unique_ptr<Image> decodePngImage(std::span<const std::uint8_t> png);

}  // namespace tabulor
