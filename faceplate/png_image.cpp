#include "faceplate/png_image.h"

#include <png.h>

#include <cstddef>

namespace tabulor {

std::unique_ptr<Image> decodePngImage(std::span<const std::uint8_t> png) {
    if (png.empty()) return nullptr;
    png_image reader{};
    reader.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&reader, png.data(), png.size()) == 0) return nullptr;
    // Blue, green, red and an opaque fourth byte: the layout of a true-colour image's pixels.
    reader.format = PNG_FORMAT_BGRA;
    std::unique_ptr<Image> image = makeTrueColourImage(static_cast<std::int32_t>(reader.width),
                                                       static_cast<std::int32_t>(reader.height));
    if (image == nullptr) {
        png_image_free(&reader);
        return nullptr;
    }
    const auto stride = static_cast<png_int_32>(imageRowStep(*image));
    std::uint8_t* pixels = image->bytes.data() + imagePixelOffset(*image);
    if (png_image_finish_read(&reader, nullptr, pixels, stride, nullptr) == 0) {
        png_image_free(&reader);
        return nullptr;
    }
    return image;
}

}  // namespace tabulor
