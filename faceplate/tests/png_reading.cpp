#include "faceplate/tests/png_reading.h"

#include <png.h>

namespace tabulor::testing {

Colour PngPicture::pixel(std::int32_t x, std::int32_t y) const {
    const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[at], rgb[at + 1], rgb[at + 2]};
}

PngPicture readPng(const std::string& path) {
    PngPicture result;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return result;
    image.format = PNG_FORMAT_RGB;
    result.rgb.resize(PNG_IMAGE_SIZE(image));
    result.ok = png_image_finish_read(&image, nullptr, result.rgb.data(), 0, nullptr) != 0;
    result.width = image.width;
    result.height = image.height;
    return result;
}

}  // namespace tabulor::testing
