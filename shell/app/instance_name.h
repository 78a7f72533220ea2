#pragma once
// The name under which the running copy of one user listens for later starts.

#include <cstdint>
#include <string>

namespace tabulor {

// Derived from the numeric user id, since $USER may be unset; each user gets a copy of their own.
std::string instanceName(std::uint32_t userId);

}  // namespace tabulor
