#pragma once
// The program's own bitmaps, compiled in from shell/resources/*.bmp: the same store for the
// window and for tabulor-cli, and nothing is read from disk at run time.

#include "image/image.h"

namespace tabulor {

const ImageStore& embeddedImages();

}  // namespace tabulor
