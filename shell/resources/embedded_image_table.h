#pragma once
// The bitmaps compiled into the program, as written by embed_images.cmake at build time.

#include <cstdint>
#include <span>

namespace tabulor {

struct EmbeddedImage {
    int id = 0;
    std::span<const std::uint8_t> bytes;  // a packed bitmap: header, colour table, pixel rows
};

std::span<const EmbeddedImage> embeddedImageTable();

}  // namespace tabulor
