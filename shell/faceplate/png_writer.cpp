#include "shell/faceplate/png_writer.h"

#include <png.h>

namespace tabulor {

bool writePng(const RgbSurface& surface, const std::string& path, std::string& error) {
    if (surface.width() <= 0 || surface.height() <= 0) {
        error = "cannot write " + path + ": the picture is empty";
        return false;
    }
    // libpng's simplified interface reports failures through the image record instead of a
    // long jump, which keeps it safe to call from C++. It also removes a file it began and could
    // not finish; removing anything more here would delete what stood at the path before.
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(surface.width());
    image.height = static_cast<png_uint_32>(surface.height());
    image.format = PNG_FORMAT_RGB;
    const png_int_32 stride = surface.width() * 3;
    if (png_image_write_to_file(&image, path.c_str(), 0, surface.rgb().data(), stride, nullptr) ==
        0) {
        error = "cannot write " + path + ": " + image.message;
        png_image_free(&image);
        return false;
    }
    return true;
}

}  // namespace tabulor
