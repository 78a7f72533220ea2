#pragma once
// The one image table: the id, file name and size of each of the faceplate's bitmaps, and the
// application icon's sizes, all from faceplate/image_files.def. Constant, for the loader, the
// tests and the artwork generator alike.

#include <array>
#include <cstdint>
#include <string_view>

#include "faceplate/geometry.h"

namespace tabulor {

namespace ImageId {
#define TABULOR_IMAGE(name, id, file, width, height) inline constexpr int name = id;
#define TABULOR_ICON_SIZE(size)
#include "faceplate/image_files.def"
#undef TABULOR_IMAGE
#undef TABULOR_ICON_SIZE
}  // namespace ImageId

struct ImageFacts {
    int id = 0;
    std::string_view file;  // in shell/resources/
    std::int32_t width = 0;
    std::int32_t height = 0;
};

namespace image_table_detail {
using namespace faceplate;
inline constexpr ImageFacts kImageTable[] = {
#define TABULOR_IMAGE(name, id, file, width, height) {id, file, width, height},
#define TABULOR_ICON_SIZE(size)
#include "faceplate/image_files.def"
#undef TABULOR_IMAGE
#undef TABULOR_ICON_SIZE
};
inline constexpr int kIconSizes[] = {
#define TABULOR_IMAGE(name, id, file, width, height)
#define TABULOR_ICON_SIZE(size) size,
#include "faceplate/image_files.def"
#undef TABULOR_IMAGE
#undef TABULOR_ICON_SIZE
};
}  // namespace image_table_detail

inline constexpr std::array kImageTable = std::to_array(image_table_detail::kImageTable);
inline constexpr std::array kIconSizes = std::to_array(image_table_detail::kIconSizes);

}  // namespace tabulor
