#pragma once
// The name under which the running copy of one user on one display listens for later starts.

#include <cstdint>
#include <string>
#include <string_view>

namespace tabulor {

// The socket's path in `folder` for user `userId` on the display `displayKey`: the key spelled
// out in the name while the path fits a socket address, a hash of it otherwise. Derived from the
// numeric user id, since $USER may be unset.
std::string instanceSocketPath(std::string_view folder, std::uint32_t userId,
                               std::string_view displayKey);

// The lock beside the socket, held by the running copy for its whole life.
std::string instanceLockPath(std::string_view socketPath);

}  // namespace tabulor
