#include "shell/window/build_date.h"

namespace tabulor {

std::string buildDateText(std::string_view compilerDate) {
    std::string text;
    text.reserve(compilerDate.size());
    for (const char c : compilerDate) {
        if (c == ' ' && (text.empty() || text.back() == ' ')) continue;
        text.push_back(c);
    }
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace tabulor
