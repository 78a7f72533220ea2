#include "shell/app/build_info.h"

#include "shell/app/build_date.h"

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

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/tabulor-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace tabulor
