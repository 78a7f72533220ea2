#pragma once
// The name under which the running copy of one user listens for later starts.

#include <cstdint>
#include <string>
#include <string_view>

namespace tabulor {

// Derived from the numeric user id, since $USER may be unset; each user gets a copy of their own.
std::string instanceName(std::uint32_t userId);

// Where the socket lives: inside the user's private runtime folder when there is one, where no
// other user can take the name first; otherwise the bare name, which Qt puts in the temporary
// folder.
std::string instanceSocket(std::uint32_t userId, std::string_view runtimeFolder);

}  // namespace tabulor
