#include "faceplate/png_writer.h"

#include <png.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "faceplate/output_file.h"

namespace tabulor {

namespace {

// What the callbacks leave behind when libpng gives up and jumps back.
struct PngSink {
    int fd = -1;
    int error = 0;           // the errno of the write that failed
    char message[160] = {};  // libpng's own reason when no write failed
};

void writeBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
    while (length > 0) {
        const ssize_t written = ::write(sink->fd, data, length);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) {
            sink->error = errno;
            png_error(png, "write failed");
        }
        data += written;
        length -= static_cast<png_size_t>(written);
    }
}

void flushNothing(png_structp) {}  // nothing is buffered on this side

void onError(png_structp png, png_const_charp message) {
    auto* sink = static_cast<PngSink*>(png_get_error_ptr(png));
    if (sink->error == 0) std::snprintf(sink->message, sizeof sink->message, "%s", message);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

// libpng leaves this frame by a long jump, so it holds nothing with a destructor.
bool encode(const RgbSurface& surface, png_bytep* rows, PngSink& sink) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, onError, onWarning);
    png_infop info = png == nullptr ? nullptr : png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        sink.error = ENOMEM;
        return false;
    }
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &sink, writeBytes, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(surface.width()),
                 static_cast<png_uint_32>(surface.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool writePng(const RgbSurface& surface, const std::string& path, std::string& error) {
    if (surface.width() <= 0 || surface.height() <= 0) {
        error = "the picture is empty";
        return false;
    }
    const std::size_t stride = static_cast<std::size_t>(surface.width()) * 3;
    std::vector<png_bytep> rows(static_cast<std::size_t>(surface.height()));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        // libpng only reads the rows it is given.
        rows[y] = const_cast<png_bytep>(surface.rgb().data() + y * stride);
    }

    PngSink sink;
    error = writeOutputFile(path, [&](int fd) -> std::string {
        sink.fd = fd;
        if (encode(surface, rows.data(), sink)) return {};
        return sink.error != 0 ? std::strerror(sink.error) : sink.message;
    });
    return error.empty();
}

}  // namespace tabulor
