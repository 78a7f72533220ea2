#pragma once
// Our texts are UTF-8 string views; Qt takes QString.

#include <QString>
#include <string_view>

namespace tabulor {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tabulor
