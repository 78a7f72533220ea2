#include "shell/app/instance_name.h"

namespace tabulor {

std::string instanceName(std::uint32_t userId) {
    return "tabulor-" + std::to_string(userId);
}

std::string instanceSocket(std::uint32_t userId, std::string_view runtimeFolder) {
    if (runtimeFolder.empty()) return instanceName(userId);
    std::string path(runtimeFolder);
    if (path.back() != '/') path.push_back('/');
    return path + instanceName(userId);
}

}  // namespace tabulor
