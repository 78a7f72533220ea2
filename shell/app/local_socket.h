#pragma once
// A Unix-domain stream socket named by a file path, in plain POSIX: enough for one running copy
// to hear of later starts without a networking library.

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace tabulor {

// The longest path a socket address holds, leaving room for the terminating zero.
std::size_t maxSocketPathLength();
bool fitsSocketAddress(std::string_view path);

enum class Reach {
    Reached,          // a listener of this user took the connection and the message
    NobodyListening,  // no file, or a file nobody listens on: a copy that crashed left it
    Failed,           // something else; `error` says what
};

struct ReachResult {
    Reach reach = Reach::Failed;
    std::string error;
};

// Connects to the listener at `path`, sends `message` and hangs up, waiting at most
// `timeoutMilliseconds` for room in a full queue. A listener of another user is no copy of ours.
ReachResult reachListener(const std::string& path, std::string_view message,
                          int timeoutMilliseconds);

// Whether something listens at `path`; it is sent nothing.
bool acceptsConnections(const std::string& path);

// A listening socket and the file it made; `fd` is -1 when listening failed.
struct LocalListener {
    int fd = -1;
    std::string path;
    dev_t device = 0;
    ino_t inode = 0;
    std::string error;
};

// Removes whatever is left at `path`, then listens there, non-blocking, the file readable and
// writable by this user only. The caller has made sure that nobody listens there.
LocalListener listenAt(const std::string& path);

struct Accepted {
    int fromThisUser = 0;
    // A connection waits that cannot be taken now (no descriptor free): asking again at once
    // would only spin.
    bool stuck = false;
};

// Takes every waiting connection and hangs up on it.
Accepted acceptWaiting(const LocalListener& listener);

// Stops listening and removes the socket file, unless another copy has put its own in its place.
void closeListener(LocalListener& listener);

}  // namespace tabulor
