#pragma once
// A Unix-domain stream socket named by a file path, in plain POSIX: enough for one running copy
// to hear of later starts without a networking library.

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulor {

// The longest path a socket address holds, leaving room for the terminating zero.
std::size_t maxSocketPathLength();
bool fitsSocketAddress(std::string_view path);

enum class Reach {
    Reached,          // a listener of this user answered: what was asked has been done
    NobodyListening,  // no file, or a socket nobody listens on: a copy that crashed left it
    NoAnswer,         // a listener of this user did not answer in time: stopped or hung
    Failed,           // something else; `error` says what
};

struct ReachResult {
    Reach reach = Reach::Failed;
    std::string error;
};

// Connects to the listener at `path`, sends `request` and waits for `answer`, all within
// `timeoutMilliseconds`. A listener of another user is no copy of ours: it is sent nothing.
ReachResult reachListener(const std::string& path, std::string_view request,
                          std::string_view answer, int timeoutMilliseconds);

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

// Listens at `path`, which must be free, non-blocking, the file readable and writable by this
// user only from the moment it exists. Messages name it `shown` (`path` when empty): the path
// may lead through a held folder's descriptor.
LocalListener listenAt(const std::string& path, std::string_view shown = {});

// Makes `path` free for listenAt by removing what a copy that ended without cleaning up left
// there, but only a socket of this user: anything else is left alone. Empty when the path is
// free, otherwise what is in the way, naming the path `shown` as listenAt does.
std::string removeStaleSocket(const std::string& path, std::string_view shown = {});

struct Accepted {
    int answered = 0;
    // A connection waits that cannot be taken now (no descriptor free): asking again at once
    // would only spin.
    bool stuck = false;
};

// Takes every waiting connection. When any is of this user, reads the first line each of them
// sent (its request, without the newline; empty when it sent none in time), calls `comeForward`
// once with them, then sends each of them `answer`; every connection is hung up on.
Accepted answerWaiting(const LocalListener& listener, std::string_view answer,
                       const std::function<void(const std::vector<std::string>&)>& comeForward);

// Stops listening and removes the socket file, unless another copy has put its own in its place.
void closeListener(LocalListener& listener);

}  // namespace tabulor
