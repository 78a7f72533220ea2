#pragma once
// Which platform and display a start will open, found from the environment and the command line
// the way Qt 6.4 finds them, before Qt is loaded: the running copy is looked for on that display
// only, and a start that cannot open one says so instead of letting Qt abort.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulor {

// What the choice reads from the environment. Unset and empty differ where Qt makes them differ:
// an empty WAYLAND_DISPLAY still makes Qt try Wayland first.
struct DisplayEnvironment {
    std::optional<std::string> qtPlatform = std::nullopt;      // QT_QPA_PLATFORM
    std::optional<std::string> display = std::nullopt;         // DISPLAY
    std::optional<std::string> waylandDisplay = std::nullopt;  // WAYLAND_DISPLAY
    std::optional<std::string> sessionType = std::nullopt;     // XDG_SESSION_TYPE
    std::optional<std::string> runtimeFolder = std::nullopt;   // XDG_RUNTIME_DIR
};

// The platforms Qt tries, in its order, each with its arguments ("xcb", "offscreen:size=…"):
// the last -platform argument, else QT_QPA_PLATFORM, else xcb, with Wayland tried first when
// WAYLAND_DISPLAY is set or the session is a Wayland one.
std::vector<std::string> platformCandidates(const std::vector<std::string_view>& arguments,
                                            const DisplayEnvironment& environment);

// The X display Qt's xcb platform opens: the last -display argument, else DISPLAY.
std::string x11DisplayName(const std::vector<std::string_view>& arguments,
                           const DisplayEnvironment& environment);

// One spelling per X server and display: the screen number dropped, an empty or "unix" host (or
// the unix and local protocols) written as no host at all. Other hosts are kept as written, since
// a name alone cannot tell whether two of them reach the same server. A name that does not parse
// is kept whole.
std::string normalX11Display(std::string_view name);

// The path of the Wayland socket as the client library finds it: WAYLAND_DISPLAY (wayland-0 when
// unset) inside XDG_RUNTIME_DIR, or WAYLAND_DISPLAY itself when absolute. Empty when relative
// and there is no runtime folder.
std::string waylandSocketPath(const DisplayEnvironment& environment);

// The checks that need the system, handed in so that the choice itself is plain.
struct DisplayProbes {
    std::function<bool(std::string_view platform)> pluginInstalled;
    std::function<bool(const std::string& socketPath)> waylandReachable;
    std::function<bool(const std::string& name)> x11Reachable;
};

struct DisplayChoice {
    bool found = false;
    // What the running copy is keyed on: the kind of display and its normal name.
    std::string key;
    // An X display not yet opened: the last candidate is only checked after the running copy
    // was asked, so that a later start ends without connecting to the display at all.
    std::string x11ToConfirm;
    // The displays that could not be opened, in the order they were tried, for noDisplayMessage.
    std::vector<std::string> failures;
};

DisplayChoice chooseDisplay(const std::vector<std::string_view>& arguments,
                            const DisplayEnvironment& environment, const DisplayProbes& probes);

// How a failure names an X display that could not be opened.
std::string x11Failure(std::string_view name);

// The one line a start without a display prints before it ends with status 1.
std::string noDisplayMessage(const std::vector<std::string>& failures);

// The platform setting as given (the last -platform, else QT_QPA_PLATFORM), or the platforms Qt
// tries without one; for the message when none of them opens.
std::string platformSetting(const std::vector<std::string_view>& arguments,
                            const DisplayEnvironment& environment);

// The one line a start whose platform does not open prints before it ends with status 1.
std::string noPlatformMessage(std::string_view setting);

}  // namespace tabulor
