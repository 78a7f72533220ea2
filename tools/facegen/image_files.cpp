#include "image_files.h"

#include <png.h>

#include <fstream>

namespace tabulor::facegen {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

}  // namespace

bool writeBitmap(const std::string& path, const IndexedImage& image, const SharedPalette& palette,
                 std::uint32_t coloursUsed, std::string& error) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height);
    const std::uint32_t pixelOffset = 14 + 40 + 256 * 4;
    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelOffset + pixelBytes);
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(image.width));
    put32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom row first
    put16(out, 1);
    put16(out, 8);
    put32(out, 0);  // uncompressed
    put32(out, pixelBytes);
    put32(out, 2835);  // 72 dots per inch, as pixels per metre
    put32(out, 2835);
    put32(out, coloursUsed);
    put32(out, 0);
    for (const Rgb8& entry : palette.table) {
        out.push_back(entry.blue);
        out.push_back(entry.green);
        out.push_back(entry.red);
        out.push_back(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const auto row = image.indices.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        out.insert(out.end(), row, row + image.width);
        out.insert(out.end(), stride - static_cast<std::uint32_t>(image.width), 0);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

namespace {

bool writePng(const std::string& path, int width, int height, bool alpha,
              const std::vector<std::uint8_t>& pixels, std::string& error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    const int stride = width * (alpha ? 4 : 3);
    if (png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), stride, nullptr) == 0) {
        error = "cannot write " + path + ": " + image.message;
        png_image_free(&image);
        return false;
    }
    return true;
}

}  // namespace

bool writePngRgba(const std::string& path, int width, int height,
                  const std::vector<std::uint8_t>& rgba, std::string& error) {
    return writePng(path, width, height, true, rgba, error);
}

bool writePngRgb(const std::string& path, int width, int height,
                 const std::vector<std::uint8_t>& rgb, std::string& error) {
    return writePng(path, width, height, false, rgb, error);
}

}  // namespace tabulor::facegen
