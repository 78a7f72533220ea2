#include "shell/instance/instance_claim.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "shell/instance/unique_fd.h"

namespace tabulor {

namespace {

constexpr int kRetryMilliseconds = 10;

InstanceClaim ended(InstanceClaim::Outcome outcome, std::string error = {}) {
    InstanceClaim claim;
    claim.outcome = outcome;
    claim.error = std::move(error);
    return claim;
}

InstanceClaim fromReach(const ReachResult& reached) {
    switch (reached.reach) {
        case Reach::Reached:
            return ended(InstanceClaim::Outcome::Answered);
        case Reach::NoAnswer:
            return ended(InstanceClaim::Outcome::NoAnswer);
        case Reach::NobodyListening:
        case Reach::Failed:
            break;
    }
    return ended(InstanceClaim::Outcome::Unusable, reached.error);
}

std::string nameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// Opens the lock without following a link and checks that it is a file of this user; root could
// otherwise be made to lock, or create, a file of someone else's choosing.
UniqueFd openLock(const InstancePaths& paths, std::string& error) {
    const std::string through = paths.folder->reach(nameOf(paths.lock));
    UniqueFd lock(::open(through.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!lock) {
        error = "cannot open " + paths.lock + ": " + std::strerror(errno);
        return lock;
    }
    struct stat status {};
    if (::fstat(lock.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid()) {
        error = paths.lock + " is not a lock file of this user";
        return UniqueFd();
    }
    return lock;
}

// The holder of the lock may be between locking and listening: asked again until the deadline.
InstanceClaim askHolder(const InstancePaths& paths, int answerMilliseconds,
                        std::string_view request) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(answerMilliseconds);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const ReachResult reached = reachListener(
            paths.socket, request, kRaisedAnswer,
            static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0)));
        if (reached.reach != Reach::NobodyListening) return fromReach(reached);
        if (std::chrono::steady_clock::now() >= deadline)
            return ended(InstanceClaim::Outcome::NoAnswer);
        ::poll(nullptr, 0, kRetryMilliseconds);
    }
}

}  // namespace

std::string raiseRequest(std::string_view activationToken) {
    constexpr std::size_t kLongestToken = 256;
    const bool plain = !activationToken.empty() && activationToken.size() <= kLongestToken &&
                       std::all_of(activationToken.begin(), activationToken.end(),
                                   [](char c) { return c > ' ' && c < 0x7f; });
    if (!plain) return std::string(kRaiseRequest);
    return "raise " + std::string(activationToken) + "\n";
}

std::string activationTokenOf(std::string_view requestLine) {
    constexpr std::string_view kPrefix = "raise ";
    if (!requestLine.starts_with(kPrefix)) return {};
    const std::string_view token = requestLine.substr(kPrefix.size());
    // Only what raiseRequest would send: anything else is no token.
    return raiseRequest(token) == std::string(requestLine) + "\n" ? std::string(token)
                                                                  : std::string();
}

InstanceClaim claimInstance(const InstancePaths& paths, int answerMilliseconds,
                            const std::function<void()>& beforeLocking, std::string_view request) {
    if (!paths.error.empty()) return ended(InstanceClaim::Outcome::Unusable, paths.error);
    const ReachResult first =
        reachListener(paths.socket, request, kRaisedAnswer, answerMilliseconds);
    if (first.reach == Reach::Reached || first.reach == Reach::NoAnswer) return fromReach(first);
    // Nobody answered at the name, or whatever holds it is not ours: only the lock says who may
    // take it.
    if (beforeLocking) beforeLocking();
    InstanceClaim claim;
    claim.folder = paths.folder;
    UniqueFd lock = openLock(paths, claim.error);
    if (!lock) return claim;
    int locked;
    do {
        locked = ::flock(lock.get(), LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const int error = errno;
        lock.reset();
        if (error != EWOULDBLOCK) {
            return ended(InstanceClaim::Outcome::Unusable,
                         "cannot lock " + paths.lock + ": " + std::strerror(error));
        }
        return askHolder(paths, answerMilliseconds, request);
    }
    // The lock is ours, so no copy lives behind a socket left at the name.
    const std::string socket = paths.folder->reach(nameOf(paths.socket));
    claim.error = removeStaleSocket(socket, paths.socket);
    if (claim.error.empty()) {
        claim.listener = listenAt(socket, paths.socket);
        claim.error = claim.listener.error;
    }
    // Later starts look for the socket by the folder's path: one that has come to name another
    // folder, put there by whoever may write its parent, would send them elsewhere.
    if (claim.listener.fd >= 0) {
        if (std::string moved = paths.folder->moved(); !moved.empty()) {
            closeListener(claim.listener);
            claim.error = std::move(moved);
        }
    }
    if (claim.listener.fd < 0) {
        // Let go at once: the next start finds the same obstacle quickly instead of waiting for
        // an answer from a copy that cannot give one.
        return claim;
    }
    claim.lockFd = lock.release();
    claim.outcome = InstanceClaim::Outcome::Listening;
    return claim;
}

void releaseInstance(InstanceClaim& claim) {
    closeListener(claim.listener);
    if (claim.lockFd >= 0) ::close(claim.lockFd);
    claim.lockFd = -1;
    claim.folder.reset();
}

}  // namespace tabulor
