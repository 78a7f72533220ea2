#pragma once
// The one image table: the id, file name and size of each of the faceplate's pictures at each
// scale, and the application icon's sizes, all from faceplate/image_files.def. Constant, for
// the loader, the tests and the artwork generator alike.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "faceplate/geometry.h"

namespace tabulor {

namespace ImageId {
#define TABULOR_IMAGE(name, id, file, width, height) inline constexpr int name = id;
#define TABULOR_LARGER_IMAGE(name, id, file, width, height) inline constexpr int name = id;
#define TABULOR_ICON_SIZE(size)
#include "faceplate/image_files.def"
#undef TABULOR_IMAGE
#undef TABULOR_LARGER_IMAGE
#undef TABULOR_ICON_SIZE
}  // namespace ImageId

struct ImageFacts {
    int id = 0;
    std::string_view file;   // in shell/resources/
    std::int32_t width = 0;  // at scale 1; a larger scale multiplies both
    std::int32_t height = 0;
};

// The scales the pictures are drawn at. Scale 1 is the ten 8-bit bitmaps; each larger one has
// them all again as 24-bit PNG files, with the marks as a picture of their own.
inline constexpr int kMinScale = 1;
inline constexpr int kMaxScale = 4;

constexpr bool isScale(int scale) {
    return scale >= kMinScale && scale <= kMaxScale;
}

// An image's id in the store at a scale: its own at scale 1, 1000 × the scale more above
// (embed_images.cmake numbers them the same way).
constexpr int scaledImageId(int id, int scale) {
    return scale == 1 ? id : id + 1000 * scale;
}

namespace image_table_detail {
using namespace faceplate;
inline constexpr ImageFacts kImageTable[] = {
#define TABULOR_IMAGE(name, id, file, width, height) {id, file, width, height},
#define TABULOR_LARGER_IMAGE(name, id, file, width, height)
#define TABULOR_ICON_SIZE(size)
#include "faceplate/image_files.def"
#undef TABULOR_IMAGE
#undef TABULOR_LARGER_IMAGE
#undef TABULOR_ICON_SIZE
};
inline constexpr ImageFacts kLargerImageTable[] = {
#define TABULOR_IMAGE(name, id, file, width, height)
#define TABULOR_LARGER_IMAGE(name, id, file, width, height) {id, file, width, height},
#define TABULOR_ICON_SIZE(size)
#include "faceplate/image_files.def"
#undef TABULOR_IMAGE
#undef TABULOR_LARGER_IMAGE
#undef TABULOR_ICON_SIZE
};
inline constexpr int kIconSizes[] = {
#define TABULOR_IMAGE(name, id, file, width, height)
#define TABULOR_LARGER_IMAGE(name, id, file, width, height)
#define TABULOR_ICON_SIZE(size) size,
#include "faceplate/image_files.def"
#undef TABULOR_IMAGE
#undef TABULOR_LARGER_IMAGE
#undef TABULOR_ICON_SIZE
};
}  // namespace image_table_detail

inline constexpr std::array kImageTable = std::to_array(image_table_detail::kImageTable);
// Drawn only at scales 2 and up.
inline constexpr std::array kLargerImageTable =
    std::to_array(image_table_detail::kLargerImageTable);
inline constexpr std::array kIconSizes = std::to_array(image_table_detail::kIconSizes);

// The image's file in shell/resources/ at a scale: the table's at scale 1, scaleN/STEM.png
// above (as embed_images.cmake finds them).
inline std::string scaledImageFile(const ImageFacts& image, int scale) {
    if (scale == 1) return std::string(image.file);
    const std::string_view stem = image.file.substr(0, image.file.rfind('.'));
    return "scale" + std::to_string(scale) + "/" + std::string(stem) + ".png";
}

}  // namespace tabulor
