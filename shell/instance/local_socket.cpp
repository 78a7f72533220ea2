#include "shell/instance/local_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

#include "shell/instance/unique_fd.h"

namespace tabulor {

namespace {

constexpr int kBacklog = 8;
constexpr int kRetryMilliseconds = 10;
constexpr int kRequestMilliseconds = 100;
constexpr std::size_t kMaxRequestBytes = 512;

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

using Deadline = std::chrono::steady_clock::time_point;

int millisecondsUntil(Deadline deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

// Connects a non-blocking socket; a full queue is waited out in short steps up to the deadline.
int connectBefore(int fd, const sockaddr_un& address, Deadline deadline) {
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return 0;
        if (errno == EINTR) continue;
        if (errno != EAGAIN || std::chrono::steady_clock::now() >= deadline) return errno;
        ::poll(nullptr, 0, kRetryMilliseconds);
    }
}

// What the peer sends before the deadline, up to and including its first newline or `limit`
// bytes; less when it hangs up or sends nothing more.
std::string receiveLine(int fd, Deadline deadline, std::size_t limit) {
    std::string received;
    while (received.size() < limit && received.find('\n') == std::string::npos) {
        pollfd watched{fd, POLLIN, 0};
        const int ready = ::poll(&watched, 1, millisecondsUntil(deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        char buffer[64];
        const std::size_t wanted = std::min(sizeof buffer, limit - received.size());
        const ssize_t got = ::recv(fd, buffer, wanted, MSG_DONTWAIT);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (got <= 0) break;
        received.append(buffer, static_cast<std::size_t>(got));
    }
    return received;
}

}  // namespace

std::size_t maxSocketPathLength() {
    return sizeof(sockaddr_un::sun_path) - 1;
}

bool fitsSocketAddress(std::string_view path) {
    return path.size() <= maxSocketPathLength() && path.find('\0') == std::string_view::npos;
}

ReachResult reachListener(const std::string& path, std::string_view request,
                          std::string_view answer, int timeoutMilliseconds) {
    sockaddr_un address;
    if (!makeAddress(path, address)) return {Reach::Failed, tooLong(path)};
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    const UniqueFd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    const int fd = socket.get();
    if (fd < 0) return {Reach::Failed, describe("socket", errno)};
    const int error = connectBefore(fd, address, deadline);
    if (error != 0) {
        if (error == ECONNREFUSED || error == ENOENT) return {Reach::NobodyListening, {}};
        // A queue that stays full belongs to a listener that takes nothing.
        if (error == EAGAIN) return {Reach::NoAnswer, {}};
        return {Reach::Failed, describe("connect to " + path, error)};
    }
    if (!sameUser(fd)) return {Reach::Failed, path + " is held by another user"};
    // The connection itself is the request, and a quick listener may answer and hang up before
    // the request is sent: a failed send still leaves the answer to be read.
    ssize_t sent;
    do {
        sent = ::send(fd, request.data(), request.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    } while (sent < 0 && errno == EINTR);
    const bool answered = receiveLine(fd, deadline, answer.size()).starts_with(answer);
    return {answered ? Reach::Reached : Reach::NoAnswer, {}};
}

bool acceptsConnections(const std::string& path) {
    sockaddr_un address;
    if (!makeAddress(path, address)) return false;
    const UniqueFd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    const int fd = socket.get();
    if (fd < 0) return false;
    int result;
    do {
        result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (result != 0 && errno == EINTR);
    // A full queue still has a listener behind it; waiting for room could take for ever.
    return result == 0 || errno == EAGAIN;
}

LocalListener listenAt(const std::string& path, std::string_view shown) {
    LocalListener listener;
    listener.path = path;
    const std::string named(shown.empty() ? path : shown);
    sockaddr_un address;
    if (!makeAddress(path, address)) {
        listener.error = tooLong(path);
        return listener;
    }
    UniqueFd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    const int fd = socket.get();
    if (fd < 0) {
        listener.error = describe("socket", errno);
        return listener;
    }
    // The file bind makes takes the socket's own mode (less the umask): set on the descriptor,
    // it needs no change by name afterwards, which a link planted in between would redirect.
    if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0) {
        listener.error = describe("set the mode of the socket for " + named, errno);
        return listener;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        listener.error = describe("bind " + named, errno);
        return listener;
    }
    struct stat made {};
    if (::lstat(path.c_str(), &made) != 0 || ::listen(fd, kBacklog) != 0) {
        listener.error = describe("listen on " + named, errno);
        // The file is ours but nobody will answer on it.
        ::unlink(path.c_str());
        return listener;
    }
    listener.fd = socket.release();
    listener.device = made.st_dev;
    listener.inode = made.st_ino;
    return listener;
}

std::string removeStaleSocket(const std::string& path, std::string_view shown) {
    const std::string named(shown.empty() ? path : shown);
    struct stat found {};
    if (::lstat(path.c_str(), &found) != 0) {
        return errno == ENOENT ? std::string() : describe("look at " + named, errno);
    }
    if (!S_ISSOCK(found.st_mode)) return named + " is not a socket";
    if (found.st_uid != ::geteuid()) return named + " is a socket of another user";
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) return describe("remove " + named, errno);
    return {};
}

Accepted answerWaiting(const LocalListener& listener, std::string_view answer,
                       const std::function<void(const std::vector<std::string>&)>& comeForward) {
    Accepted accepted;
    if (listener.fd < 0) return accepted;
    std::vector<UniqueFd> waiting;
    for (;;) {
        UniqueFd connection(::accept4(listener.fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (!connection) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            accepted.stuck = errno != EAGAIN && errno != EWOULDBLOCK;
            break;
        }
        if (sameUser(connection.get())) waiting.push_back(std::move(connection));
    }
    // A later start sends its request as soon as it is connected; one that sends nothing costs
    // the window no more than a moment.
    const Deadline readBy =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kRequestMilliseconds);
    std::vector<std::string> requests;
    for (const UniqueFd& connection : waiting) {
        std::string line = receiveLine(connection.get(), readBy, kMaxRequestBytes);
        if (line.ends_with('\n')) line.pop_back();
        requests.push_back(std::move(line));
    }
    // The answer tells a later start that a window has come forward, so it goes after.
    if (!waiting.empty() && comeForward) comeForward(requests);
    for (UniqueFd& connection : waiting) {
        ssize_t sent;
        do {
            sent =
                ::send(connection.get(), answer.data(), answer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        } while (sent < 0 && errno == EINTR);
        if (sent == static_cast<ssize_t>(answer.size())) ++accepted.answered;
        connection.reset();
    }
    return accepted;
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
