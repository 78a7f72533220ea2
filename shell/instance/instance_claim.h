#pragma once
// Taking the name of the running copy, or asking the copy that has it to come forward. The lock
// beside the socket makes the taking atomic: only its holder ever removes or binds the socket, so
// two starts at the same moment cannot delete each other's live socket.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "shell/instance/instance_folder.h"
#include "shell/instance/local_socket.h"

namespace tabulor {

inline constexpr std::string_view kRaiseRequest = "raise\n";
inline constexpr std::string_view kRaisedAnswer = "raised\n";
// How long a later start waits for the running copy's answer before it opens a window itself.
inline constexpr int kAnswerMilliseconds = 1000;

struct InstanceClaim {
    enum class Outcome {
        Listening,  // this copy has the name: later starts will reach it
        Answered,   // the copy that has the name brought its window forward
        NoAnswer,   // the copy that has the name did not answer: stopped or hung
        Unusable,   // the name cannot be had (`error` says why); nobody will find this copy
    };
    Outcome outcome = Outcome::Unusable;
    int lockFd = -1;
    LocalListener listener;
    // The folder the socket and lock were made in, held for as long as they are.
    std::shared_ptr<const HeldFolder> folder;
    std::string error;
};

// The request of a later start: "raise", followed by the activation token its launcher gave it,
// so that the running copy may use it to come forward where the compositor asks for one. A
// token that is empty or not plain printable text is left out.
std::string raiseRequest(std::string_view activationToken);
// The token a request line (without its newline) carries, or empty.
std::string activationTokenOf(std::string_view requestLine);

// Asks the running copy at `paths` to come forward with `request`, waiting up to
// `answerMilliseconds` for its answer; when nobody has the name, takes it, making the lock and
// the socket in the folder that was checked, and only while its path still names that folder.
// `beforeLocking` runs between finding nobody and taking the lock; a test uses it to start a
// rival copy, or swap the folder, at the worst moment.
InstanceClaim claimInstance(const InstancePaths& paths, int answerMilliseconds,
                            const std::function<void()>& beforeLocking = {},
                            std::string_view request = kRaiseRequest);

// Stops listening and removes the socket, then lets go of the lock. The lock file stays: removing
// it would let the next two starts lock two different files.
void releaseInstance(InstanceClaim& claim);

}  // namespace tabulor
