#include "shell/app/instance_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "shell/app/instance_name.h"
#include "shell/app/local_socket.h"

namespace tabulor {

namespace {

constexpr mode_t kPrivate = S_IRWXU;

// Followed if it is a link: the variable is the user's own word for where the folder is.
bool isPrivateRuntimeFolder(const std::optional<std::string>& folder, std::uint32_t userId) {
    struct stat status {};
    return folder && folder->starts_with('/') && ::stat(folder->c_str(), &status) == 0 &&
           S_ISDIR(status.st_mode) && status.st_uid == userId &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Makes the folder if missing, then opens it without following a link and checks what was
// opened, not the name, which could be swapped in between.
std::string privateTemporaryFolder(const std::string& folder, std::uint32_t userId,
                                   std::string& error) {
    const bool made = ::mkdir(folder.c_str(), kPrivate) == 0;
    if (!made && errno != EEXIST) {
        error = "cannot make " + folder + ": " + std::strerror(errno);
        return {};
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status {};
    bool ours =
        fd >= 0 && ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == userId;
    // A umask may have taken bits from a folder just made; one found is used only as it is.
    if (ours && made && (status.st_mode & 0777) != kPrivate) {
        ours = ::fchmod(fd, kPrivate) == 0 && ::fstat(fd, &status) == 0;
    }
    ours = ours && (status.st_mode & 0777) == kPrivate;
    if (fd >= 0) ::close(fd);
    if (!ours) {
        error = folder + " is not a private folder of this user";
        return {};
    }
    return folder;
}

}  // namespace

InstancePaths instancePaths(std::uint32_t userId, const std::string& displayKey,
                            const std::optional<std::string>& runtimeFolder,
                            const std::optional<std::string>& temporaryFolder) {
    InstancePaths paths;
    if (isPrivateRuntimeFolder(runtimeFolder, userId)) {
        paths.socket = instanceSocketPath(*runtimeFolder, userId, displayKey);
    }
    // A runtime folder too deep for a socket address falls back too.
    if (paths.socket.empty() || !fitsSocketAddress(paths.socket)) {
        const std::string temporary =
            temporaryFolder && temporaryFolder->starts_with('/') ? *temporaryFolder : "/tmp";
        const std::string folder =
            privateTemporaryFolder(temporary + (temporary.ends_with('/') ? "" : "/") +
                                       "tabulor-user-" + std::to_string(userId),
                                   userId, paths.error);
        if (folder.empty()) return InstancePaths{{}, {}, paths.error};
        paths.socket = instanceSocketPath(folder, userId, displayKey);
    }
    paths.lock = instanceLockPath(paths.socket);
    return paths;
}

}  // namespace tabulor
