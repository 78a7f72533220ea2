#include "shell/panels/panel_font.h"

#include <QFontDatabase>

namespace tabulor {

QFont zoomedFont(QFont base, int zoom) {
    if (base.pixelSize() > 0) {
        base.setPixelSize(base.pixelSize() * zoom);
    } else {
        base.setPointSizeF(base.pointSizeF() * zoom);
    }
    return base;
}

QFont fixedPitchFont(int zoom) {
    return zoomedFont(QFontDatabase::systemFont(QFontDatabase::FixedFont), zoom);
}

}  // namespace tabulor
