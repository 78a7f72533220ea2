#include "shell/instance/instance_name.h"

#include <cctype>
#include <cstdint>
#include <cstdio>

#include "shell/instance/local_socket.h"

namespace tabulor {

namespace {

std::string joined(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') path.push_back('/');
    return path.append(name);
}

// Letters, digits, '.' and '-' stand for themselves, every other byte is %XX: two keys never
// share a name, and no key can reach outside the folder.
std::string escaped(std::string_view key) {
    std::string name;
    for (const char c : key) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || c == '.' || c == '-') {
            name.push_back(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", byte);
            name.append(hex);
        }
    }
    return name;
}

// FNV-1a: short, stable across builds, and not meant to resist anyone (the folder does that).
std::string hashed(std::string_view key) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : key) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string("hash-") + hex;
}

}  // namespace

std::string instanceSocketPath(std::string_view folder, std::uint32_t userId,
                               std::string_view displayKey) {
    const std::string stem = "tabulor-" + std::to_string(userId) + "-";
    std::string path = joined(folder, stem + escaped(displayKey));
    return fitsSocketAddress(path) ? path : joined(folder, stem + hashed(displayKey));
}

std::string instanceLockPath(std::string_view socketPath) {
    return std::string(socketPath) + ".lock";
}

}  // namespace tabulor
