#include "shell/app/instance_name.h"

#include "shell/app/local_socket.h"

namespace tabulor {

namespace {

std::string joined(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.back() != '/') path.push_back('/');
    return path.append(name);
}

}  // namespace

std::string instanceName(std::uint32_t userId) {
    return "tabulor-" + std::to_string(userId);
}

std::string instanceSocket(std::uint32_t userId, std::string_view runtimeFolder) {
    const std::string name = instanceName(userId);
    if (runtimeFolder.empty()) return name;
    std::string path = joined(runtimeFolder, name);
    return fitsSocketAddress(path) ? path : name;
}

std::string socketPath(std::string_view socket, std::string_view temporaryFolder) {
    if (socket.find('/') != std::string_view::npos || temporaryFolder.empty())
        return std::string(socket);
    return joined(temporaryFolder, socket);
}

}  // namespace tabulor
