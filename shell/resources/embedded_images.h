#pragma once
// The program's own pictures, compiled in from shell/resources: the same store for the window
// and for tabulor-cli, and nothing is read from disk at run time. The scale-1 bitmaps have the
// image table's ids; the PNG files of scales 2 to 4 have scaledImageId's
// (faceplate/image_table.h), and stay compressed in the program until a scale is loaded.

#include "image/image.h"

namespace tabulor {

const ImageStore& embeddedImages();

}  // namespace tabulor
