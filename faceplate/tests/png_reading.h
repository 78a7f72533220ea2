#pragma once
// Test support: a PNG file read back as 8-bit red, green and blue, to compare with what a surface
// holds.

#include <cstdint>
#include <string>
#include <vector>

#include "faceplate/surface.h"

namespace tabulor::testing {

struct PngPicture {
    bool ok = false;  // false when the file is missing or not a readable PNG
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> rgb;  // rows top to bottom, three bytes a pixel

    Colour pixel(std::int32_t x, std::int32_t y) const;
};

PngPicture readPng(const std::string& path);

}  // namespace tabulor::testing
