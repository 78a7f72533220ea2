#include "shell/app/local_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace tabulor {

namespace {

constexpr int kBacklog = 8;
constexpr int kRetryMilliseconds = 10;

std::string describe(std::string_view what, int error) {
    return std::string(what) + ": " + std::strerror(error);
}

// Fills `address` only when the path fits, so nothing is ever cut short or written past.
bool makeAddress(const std::string& path, sockaddr_un& address) {
    if (path.empty() || !fitsSocketAddress(path)) return false;
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

std::string tooLong(const std::string& path) {
    return "socket path '" + path + "' is empty or longer than " +
           std::to_string(maxSocketPathLength()) + " bytes";
}

bool sameUser(int fd) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) return false;
    return credentials.uid == ::geteuid();
}

// Connects a non-blocking socket; a full queue is waited out in short steps up to the timeout.
int connectWithin(int fd, const sockaddr_un& address, int timeoutMilliseconds) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return 0;
        if (errno == EINTR) continue;
        if (errno != EAGAIN || std::chrono::steady_clock::now() >= deadline) return errno;
        ::poll(nullptr, 0, kRetryMilliseconds);
    }
}

}  // namespace

std::size_t maxSocketPathLength() {
    return sizeof(sockaddr_un::sun_path) - 1;
}

bool fitsSocketAddress(std::string_view path) {
    return path.size() <= maxSocketPathLength() && path.find('\0') == std::string_view::npos;
}

ReachResult reachListener(const std::string& path, std::string_view message,
                          int timeoutMilliseconds) {
    sockaddr_un address;
    if (!makeAddress(path, address)) return {Reach::Failed, tooLong(path)};
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return {Reach::Failed, describe("socket", errno)};
    const int error = connectWithin(fd, address, timeoutMilliseconds);
    if (error != 0) {
        ::close(fd);
        if (error == ECONNREFUSED || error == ENOENT) return {Reach::NobodyListening, {}};
        return {Reach::Failed, describe("connect to " + path, error)};
    }
    if (!sameUser(fd)) {
        ::close(fd);
        return {Reach::Failed, path + " is held by another user"};
    }
    // The request is a courtesy: the connection itself is the request.
    ssize_t sent;
    do {
        sent = ::send(fd, message.data(), message.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    } while (sent < 0 && errno == EINTR);
    ::close(fd);
    return {Reach::Reached, {}};
}

bool acceptsConnections(const std::string& path) {
    sockaddr_un address;
    if (!makeAddress(path, address)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    int result;
    do {
        result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (result != 0 && errno == EINTR);
    // A full queue still has a listener behind it; waiting for room could take for ever.
    const bool listening = result == 0 || errno == EAGAIN;
    ::close(fd);
    return listening;
}

LocalListener listenAt(const std::string& path) {
    LocalListener listener;
    listener.path = path;
    sockaddr_un address;
    if (!makeAddress(path, address)) {
        listener.error = tooLong(path);
        return listener;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        listener.error = describe("socket", errno);
        return listener;
    }
    // A file left behind would make bind fail; nobody listens on it, or we would have reached it.
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        listener.error = describe("remove " + path, errno);
        ::close(fd);
        return listener;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        listener.error = describe("bind " + path, errno);
        ::close(fd);
        return listener;
    }
    struct stat made {};
    if (::chmod(path.c_str(), S_IRUSR | S_IWUSR) != 0 || ::stat(path.c_str(), &made) != 0 ||
        ::listen(fd, kBacklog) != 0) {
        listener.error = describe("listen on " + path, errno);
        // The file is ours but nobody will answer on it.
        ::unlink(path.c_str());
        ::close(fd);
        return listener;
    }
    listener.fd = fd;
    listener.device = made.st_dev;
    listener.inode = made.st_ino;
    return listener;
}

Accepted acceptWaiting(const LocalListener& listener) {
    Accepted accepted;
    if (listener.fd < 0) return accepted;
    for (;;) {
        const int fd = ::accept4(listener.fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            accepted.stuck = errno != EAGAIN && errno != EWOULDBLOCK;
            return accepted;
        }
        if (sameUser(fd)) ++accepted.fromThisUser;
        ::close(fd);
    }
}

void closeListener(LocalListener& listener) {
    if (listener.fd < 0) return;
    ::close(listener.fd);
    listener.fd = -1;
    struct stat now {};
    if (::stat(listener.path.c_str(), &now) == 0 && now.st_dev == listener.device &&
        now.st_ino == listener.inode) {
        ::unlink(listener.path.c_str());
    }
}

}  // namespace tabulor
