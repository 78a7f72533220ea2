#include "shell/instance/instance_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "shell/instance/instance_name.h"
#include "shell/instance/local_socket.h"

namespace tabulor {

namespace {

constexpr mode_t kPrivate = S_IRWXU;

std::shared_ptr<const HeldFolder> held(UniqueFd fd, const std::string& path) {
    return std::make_shared<const HeldFolder>(std::move(fd), path);
}

// Followed if it is a link: the variable is the user's own word for where the folder is. What is
// checked is the folder opened, not the name, which could be swapped in between.
std::shared_ptr<const HeldFolder> privateRuntimeFolder(const std::optional<std::string>& folder,
                                                       std::uint32_t userId) {
    if (!folder || !folder->starts_with('/')) return nullptr;
    UniqueFd fd(::open(folder->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat status {};
    if (fd && ::fstat(fd.get(), &status) == 0 && status.st_uid == userId &&
        (status.st_mode & (S_IWGRP | S_IWOTH)) == 0) {
        return held(std::move(fd), *folder);
    }
    return nullptr;
}

// Makes the folder if missing, then opens it without following a link and checks what was
// opened, not the name.
std::shared_ptr<const HeldFolder> privateTemporaryFolder(const std::string& folder,
                                                         std::uint32_t userId, std::string& error) {
    const bool made = ::mkdir(folder.c_str(), kPrivate) == 0;
    if (!made && errno != EEXIST) {
        error = "cannot make " + folder + ": " + std::strerror(errno);
        return nullptr;
    }
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat status {};
    bool ours =
        fd && ::fstat(fd.get(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == userId;
    // A umask may have taken bits from a folder just made; one found is used only as it is.
    if (ours && made && (status.st_mode & 0777) != kPrivate) {
        ours = ::fchmod(fd.get(), kPrivate) == 0 && ::fstat(fd.get(), &status) == 0;
    }
    if (ours && (status.st_mode & 0777) == kPrivate) return held(std::move(fd), folder);
    error = folder + " is not a private folder of this user";
    return nullptr;
}

// Named to fit a socket address both by the folder's path and through its descriptor.
std::string socketIn(const HeldFolder& folder, std::uint32_t userId,
                     const std::string& displayKey) {
    const std::string through = folder.reach("");
    const std::string measured = instanceSocketPath(
        through.size() > folder.path().size() ? through : folder.path(), userId, displayKey);
    const std::string& path = folder.path();
    return path + (path.ends_with('/') ? "" : "/") + measured.substr(measured.rfind('/') + 1);
}

}  // namespace

HeldFolder::HeldFolder(UniqueFd fd, std::string path)
    : fd_(std::move(fd)), path_(std::move(path)) {}

std::string HeldFolder::reach(std::string_view name) const {
    return "/proc/self/fd/" + std::to_string(fd_.get()) + "/" + std::string(name);
}

std::string HeldFolder::moved() const {
    struct stat named {};
    struct stat kept {};
    if (::stat(path_.c_str(), &named) == 0 && ::fstat(fd_.get(), &kept) == 0 &&
        named.st_dev == kept.st_dev && named.st_ino == kept.st_ino) {
        return {};
    }
    return path_ + " is no longer the folder that was checked";
}

InstancePaths instancePaths(std::uint32_t userId, const std::string& displayKey,
                            const std::optional<std::string>& runtimeFolder,
                            const std::optional<std::string>& temporaryFolder) {
    InstancePaths paths;
    paths.folder = privateRuntimeFolder(runtimeFolder, userId);
    if (paths.folder != nullptr) paths.socket = socketIn(*paths.folder, userId, displayKey);
    // A runtime folder too deep for a socket address falls back too.
    if (paths.socket.empty() || !fitsSocketAddress(paths.socket)) {
        const std::string temporary =
            temporaryFolder && temporaryFolder->starts_with('/') ? *temporaryFolder : "/tmp";
        paths.folder = privateTemporaryFolder(temporary + (temporary.ends_with('/') ? "" : "/") +
                                                  "tabulor-user-" + std::to_string(userId),
                                              userId, paths.error);
        if (paths.folder == nullptr) return InstancePaths{{}, {}, nullptr, paths.error};
        paths.socket = socketIn(*paths.folder, userId, displayKey);
    }
    paths.lock = instanceLockPath(paths.socket);
    return paths;
}

}  // namespace tabulor
