#include "faceplate/output_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>
#include <utility>

namespace tabulor {

namespace {

constexpr int kMaxLinks = 40;  // the kernel gives up after as many
constexpr int kMaxNameAttempts = 100;

struct OutputFile {
    int fd = -1;
    std::string temporaryPath;  // empty when the target is written directly
    std::string targetPath;     // the file the temporary replaces, links followed
};

// A pipe whose reader has gone raises SIGPIPE, a file grown past the size limit SIGXFSZ: held
// back while a file is written, the write fails with its reason instead. Those the write raised
// are then taken; one that was pending before is left to its disposition.
class WriteSignalsHeld {
  public:
    WriteSignalsHeld() {
        sigemptyset(&held_);
        sigaddset(&held_, SIGPIPE);
        sigaddset(&held_, SIGXFSZ);
        pthread_sigmask(SIG_BLOCK, &held_, &previous_);
        sigset_t pending;
        sigpending(&pending);
        raised_ = held_;
        for (const int signal : {SIGPIPE, SIGXFSZ}) {
            if (sigismember(&pending, signal) == 1) sigdelset(&raised_, signal);
        }
    }
    ~WriteSignalsHeld() {
        const timespec now{};
        while (sigtimedwait(&raised_, nullptr, &now) > 0) {
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    WriteSignalsHeld(const WriteSignalsHeld&) = delete;
    WriteSignalsHeld& operator=(const WriteSignalsHeld&) = delete;

  private:
    sigset_t held_{};
    sigset_t raised_{};
    sigset_t previous_{};
};

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

// Neither a pipe without a reader nor a device waiting for its line holds the open up; the
// writes then wait as they would.
std::string openInPlace(const std::string& path, int flags, mode_t mode, OutputFile& file) {
    const int fd = aboveStandardStreams(
        open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | flags));
    if (fd < 0 && errno == ENXIO && S_ISFIFO(mode)) return "no process is reading it";
    if (fd < 0) return std::strerror(errno);
    file.fd = fd;
    const int status = fcntl(fd, F_GETFL);
    if (status < 0 || fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        const int error = errno;
        close(std::exchange(file.fd, -1));
        return std::strerror(error);
    }
    return {};
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

// Closes the file and removes the temporary one; what stood at the path is untouched.
void abandonOutputFile(OutputFile& file) {
    if (file.fd >= 0) close(std::exchange(file.fd, -1));
    if (!file.temporaryPath.empty()) unlink(file.temporaryPath.c_str());
    file.temporaryPath.clear();
}

// Gives the temporary file the owner and mode of the file it replaces.
int takeOverOwnership(const struct stat& status, OutputFile& file) {
    // Only the privileged can hand the file back to its owner; for anyone else it is theirs.
    static_cast<void>(fchown(file.fd, status.st_uid, status.st_gid) == 0);
    return fchmod(file.fd, status.st_mode & 07777) == 0 ? 0 : errno;
}

// Empty and an open `file`, or why not with nothing created.
std::string openOutputFile(const std::string& path, OutputFile& file) {
    file = OutputFile{};
    struct stat status {};
    const bool exists = stat(path.c_str(), &status) == 0;
    if (!exists && errno != ENOENT) return std::strerror(errno);
    if (exists && S_ISDIR(status.st_mode)) return std::strerror(EISDIR);
    if (exists && !S_ISREG(status.st_mode)) return openInPlace(path, 0, status.st_mode, file);

    std::string target = path;
    bool openFile = false;
    if (const int error = followLinks(target, openFile); error != 0) return std::strerror(error);
    // Such as standard output sent to a file: the picture goes after what is printed there.
    if (openFile) return openInPlace(path, O_APPEND, status.st_mode, file);
    // A file the user may not write stays as it is, although its folder would let it be replaced.
    if (exists && faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        return std::strerror(errno);
    }
    if (const int error = createTemporary(target, file); error != 0) {
        // Writing it in place instead would lose it to a write that failed halfway.
        if (exists) {
            return std::string("no temporary file can be made in its folder (") +
                   std::strerror(error) + ")";
        }
        return std::strerror(error);
    }
    if (const int error = exists ? takeOverOwnership(status, file) : 0; error != 0) {
        abandonOutputFile(file);
        return std::strerror(error);
    }
    return {};
}

// Syncs the temporary file and moves it over its target, or just closes a direct target. 0, or
// the errno of the failure; either way the file is closed and no temporary is left.
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

}  // namespace

std::string writeOutputFile(const std::string& path, const FileContents& contents) {
    OutputFile file;
    if (std::string failed = openOutputFile(path, file); !failed.empty()) return failed;
    const WriteSignalsHeld held;
    if (std::string failed = contents(file.fd); !failed.empty()) {
        abandonOutputFile(file);
        return failed;
    }
    const int error = commitOutputFile(file);
    return error == 0 ? std::string() : std::strerror(error);
}

std::string writeOutputText(const std::string& path, std::string_view text) {
    return writeOutputFile(path, [text](int fd) -> std::string {
        std::string_view rest = text;
        while (!rest.empty()) {
            const ssize_t written = ::write(fd, rest.data(), rest.size());
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) return std::strerror(errno);
            rest.remove_prefix(static_cast<std::size_t>(written));
        }
        return {};
    });
}

}  // namespace tabulor
