#pragma once
// The name under which the running copy of one user listens for later starts.

#include <cstdint>
#include <string>
#include <string_view>

namespace tabulor {

// Derived from the numeric user id, since $USER may be unset; each user gets a copy of their own.
std::string instanceName(std::uint32_t userId);

// Where the socket lives: inside the user's private runtime folder when there is one, where no
// other user can take the name first; otherwise the bare name, which goes in the temporary
// folder. A runtime folder too deep for a socket address falls back to the bare name too, since
// a copy that cannot be found again is worse than a shared folder.
std::string instanceSocket(std::uint32_t userId, std::string_view runtimeFolder);

// The file path of a socket: a bare name lies in `temporaryFolder`, anything with a slash is a
// path already.
std::string socketPath(std::string_view socket, std::string_view temporaryFolder);

}  // namespace tabulor
