#include "shell/window/build_info.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <algorithm>

#include "faceplate/image_table.h"
#include "shell/window/build_date.h"

#ifndef TABULOR_VERSION
#error "TABULOR_VERSION must be defined by the build"
#endif

namespace tabulor {

QString buildDate() {
    return QString::fromStdString(buildDateText(__DATE__));
}

QString versionNumber() {
    return QStringLiteral(TABULOR_VERSION);
}

namespace {

// Read as PNG by name: QIcon::addFile would ask every image plugin whether it knows the file,
// loading them all (and the JPEG library) before the first paint.
// The sizes up to `largest`.
QIcon iconOfSizes(int largest) {
    QIcon icon;
    for (const int size : kIconSizes) {
        if (size > largest) continue;
        QFile file(QStringLiteral(":/icons/tabulor-%1.png").arg(size));
        if (!file.open(QIODevice::ReadOnly)) continue;
        QImageReader reader(&file, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace

QIcon applicationIcon() {
    return iconOfSizes(std::ranges::max(kIconSizes));
}

QIcon smallApplicationIcon() {
    return iconOfSizes(48);
}

}  // namespace tabulor
