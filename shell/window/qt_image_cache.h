#pragma once
// 32-bit copies of the calculator's 8-bit bitmaps. Qt converts an indexed image on every draw,
// which costs far more than the copy itself; converting once keeps a full repaint cheap.

#include <QImage>
#include <unordered_map>

#include "image/image.h"

namespace tabulor {

class QtImageCache {
  public:
    // The image as opaque 32-bit pixels: a true-colour one read where it lies, a bitmap converted
    // from its own colour table; a null QImage when the bitmap is not complete enough to read.
    // Valid until clear(), which must come before the image goes.
    const QImage& get(const Image& image);
    // To be called before the images it was filled from go away.
    void clear() { images_.clear(); }

  private:
    std::unordered_map<const Image*, QImage> images_;
};

// The conversion itself, colour for colour as the table gives it.
QImage toRgb32(const Image& image);
// A top-down true-colour image as a QImage over its own bytes, with no copy: valid while the
// image lives and its bytes stay as they are. A null QImage for any other image.
QImage sharedRgb32(const Image& image);

}  // namespace tabulor
