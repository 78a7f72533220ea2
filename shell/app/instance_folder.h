#pragma once
// The folder the running copy's socket and lock live in: one that no other user can write to, so
// that nobody else can take the name first, plant a file under it or listen in our place.

#include <cstdint>
#include <optional>
#include <string>

namespace tabulor {

struct InstancePaths {
    std::string socket;
    std::string lock;
    // Set, and the paths empty, when there is no private folder to be had: the copy then runs
    // without being found by later starts.
    std::string error;
};

// $XDG_RUNTIME_DIR when it is absolute, a folder of user `userId`, not writable by anyone else
// and shallow enough for the socket's path to fit; otherwise a folder of our own,
// tabulor-user-UID, made with mode 0700 in the temporary folder ($TMPDIR when absolute, else /tmp)
// and checked to be ours and private every time, since anyone may have made it first.
InstancePaths instancePaths(std::uint32_t userId, const std::string& displayKey,
                            const std::optional<std::string>& runtimeFolder,
                            const std::optional<std::string>& temporaryFolder);

}  // namespace tabulor
