#include "shell/app/build_info.h"

#include <initializer_list>

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

namespace {

QIcon iconOfSizes(std::initializer_list<int> sizes) {
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/icons/tabulor-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace

QIcon applicationIcon() {
    return iconOfSizes({16, 32, 48, 64, 128, 256});
}

QIcon smallApplicationIcon() {
    return iconOfSizes({16, 32, 48});
}

}  // namespace tabulor
