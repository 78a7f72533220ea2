#pragma once
// The pictures compiled into the program, as written by embed_images.cmake at build time.

#include <cstdint>
#include <span>

namespace tabulor {

struct EmbeddedImage {
    int id = 0;
    // Scale 1: a packed bitmap (header, colour table, pixel rows); larger scales: a PNG file.
    std::span<const std::uint8_t> bytes;
};

std::span<const EmbeddedImage> embeddedImageTable();

}  // namespace tabulor
