#pragma once
// The folder the running copy's socket and lock live in: one that no other user can write to, so
// that nobody else can take the name first, plant a file under it or listen in our place.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "shell/instance/unique_fd.h"

namespace tabulor {

// The folder as it was found private, held open until its last use: what is made in it through
// `reach` is made in that folder, whatever its path has come to name since, and `moved` tells
// when the path no longer names it.
class HeldFolder {
  public:
    // Takes `fd`, an open descriptor of the folder at `path`.
    HeldFolder(UniqueFd fd, std::string path);

    const std::string& path() const { return path_; }
    // `name` in the held folder as a path through its descriptor (/proc/self/fd/N/name).
    std::string reach(std::string_view name) const;
    // Empty while the path names the held folder, otherwise the line that says it does not.
    std::string moved() const;

  private:
    UniqueFd fd_;
    std::string path_;
};

struct InstancePaths {
    std::string socket;  // as later starts reach it
    std::string lock;
    // The folder both are in; empty with `error`.
    std::shared_ptr<const HeldFolder> folder;
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
