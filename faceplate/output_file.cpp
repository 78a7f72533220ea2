#include "faceplate/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace tabulor {

namespace {

constexpr int kMaxLinks = 40;  // the kernel gives up after as many
constexpr int kMaxNameAttempts = 100;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The links /proc keeps for a process (/dev/stdout and /dev/fd/N lead to them) stand for an open
// file, not for the path their text names.
bool isProcessLink(const std::string& link) {
    char* const folder = realpath(folderOf(link).c_str(), nullptr);
    if (folder == nullptr) return false;
    const bool inProc = std::string_view(folder).starts_with("/proc/");
    std::free(folder);
    return inProc;
}

// Follows the links at the end of `path` to the file they name, which need not exist yet;
// `openFile` when they pass through a process's link to an open file.
int followLinks(std::string& path, bool& openFile) {
    openFile = false;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(status.st_mode)) return 0;
        if (isProcessLink(path)) {
            openFile = true;
            return 0;
        }
        std::string target(4096, '\0');
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length < 0) return errno;
        if (static_cast<std::size_t>(length) == target.size()) return ENAMETOOLONG;
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : folderOf(path) + "/" + target;
    }
    return ELOOP;
}

// Keeps the file off the numbers 0..2 when a standard stream is closed, so that what the program
// prints can never land in it.
int aboveStandardStreams(int fd) {
    if (fd < 0 || fd > 2) return fd;
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    const int error = errno;
    close(fd);
    errno = error;
    return moved;
}

int openDirect(const std::string& path, int flags, OutputFile& file) {
    const int fd =
        aboveStandardStreams(open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | flags));
    if (fd < 0) return errno;
    file.fd = fd;
    return 0;
}

// A new file beside `target`; with 0666 the umask gives it the mode any new file gets.
int createTemporary(const std::string& target, OutputFile& file) {
    const std::string folder = folderOf(target);
    const auto seed =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(getpid()) << 32);
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        char name[40];
        std::snprintf(name, sizeof name, "/.tabulor-%016llx.tmp",
                      static_cast<unsigned long long>(seed + attempt * 0x9e3779b97f4a7c15ULL));
        const std::string candidate = folder + name;
        const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return errno;
        file.fd = aboveStandardStreams(fd);
        if (file.fd < 0) {
            const int error = errno;
            unlink(candidate.c_str());
            return error;
        }
        file.temporaryPath = candidate;
        file.targetPath = target;
        return 0;
    }
    return EEXIST;
}

}  // namespace

int openOutputFile(const std::string& path, OutputFile& file) {
    file = OutputFile{};
    struct stat status {};
    const bool exists = stat(path.c_str(), &status) == 0;
    if (!exists && errno != ENOENT) return errno;
    if (exists && S_ISDIR(status.st_mode)) return EISDIR;
    if (exists && !S_ISREG(status.st_mode)) return openDirect(path, 0, file);

    std::string target = path;
    bool openFile = false;
    if (const int error = followLinks(target, openFile); error != 0) return error;
    // Such as standard output sent to a file: the picture goes after what is printed there.
    if (openFile) return openDirect(path, O_APPEND, file);
    // A file the user may not write stays as it is, although its folder would let it be replaced.
    if (exists && faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return errno;
    if (const int error = createTemporary(target, file); error != 0) return error;
    if (exists) {
        // Only the privileged can hand the file back to its owner; for anyone else it is theirs.
        static_cast<void>(fchown(file.fd, status.st_uid, status.st_gid) == 0);
        if (fchmod(file.fd, status.st_mode & 07777) != 0) {
            const int error = errno;
            abandonOutputFile(file);
            return error;
        }
    }
    return 0;
}

int commitOutputFile(OutputFile& file) {
    const bool replacing = !file.temporaryPath.empty();
    int error = replacing && fsync(file.fd) != 0 ? errno : 0;
    if (close(std::exchange(file.fd, -1)) != 0 && error == 0) error = errno;
    if (replacing && error == 0 &&
        rename(file.temporaryPath.c_str(), file.targetPath.c_str()) != 0) {
        error = errno;
    }
    if (replacing && error != 0) unlink(file.temporaryPath.c_str());
    file.temporaryPath.clear();
    return error;
}

void abandonOutputFile(OutputFile& file) {
    if (file.fd >= 0) close(std::exchange(file.fd, -1));
    if (!file.temporaryPath.empty()) unlink(file.temporaryPath.c_str());
    file.temporaryPath.clear();
}

}  // namespace tabulor
