#include "shell/instance/display_target.h"

#include <algorithm>
#include <charconv>

namespace tabulor {

namespace {

constexpr std::string_view kWithoutOne = "; tabulor-cli works without one";

// Qt reads its options with one dash or two.
std::string_view withOneDash(std::string_view argument) {
    if (argument.starts_with("--")) argument.remove_prefix(1);
    return argument;
}

// The value of the last `option` followed by one, as Qt reads it.
std::optional<std::string_view> lastOption(const std::vector<std::string_view>& arguments,
                                           std::string_view option) {
    std::optional<std::string_view> value;
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (withOneDash(arguments[i]) == option) value = arguments[++i];
    }
    return value;
}

std::vector<std::string> splitList(std::string_view list) {
    std::vector<std::string> parts;
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(';'), list.size());
        if (end > 0) parts.emplace_back(list.substr(0, end));
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    return parts;
}

// Plugin keys match without regard to case.
std::string pluginBase(std::string_view candidate) {
    std::string base(candidate.substr(0, candidate.find(':')));
    std::transform(base.begin(), base.end(), base.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return base;
}

std::string waylandFailure(const DisplayEnvironment& environment) {
    const std::string name = environment.waylandDisplay.value_or("wayland-0");
    if (!name.starts_with('/') && environment.runtimeFolder.value_or("").empty())
        return "XDG_RUNTIME_DIR is not set";
    return name;
}

}  // namespace

std::vector<std::string> platformCandidates(const std::vector<std::string_view>& arguments,
                                            const DisplayEnvironment& environment) {
    if (const auto platform = lastOption(arguments, "-platform")) return splitList(*platform);
    if (!environment.qtPlatform.value_or("").empty()) return splitList(*environment.qtPlatform);
    const bool wayland =
        environment.waylandDisplay.has_value() || environment.sessionType == "wayland";
    return wayland ? std::vector<std::string>{"wayland", "xcb"} : std::vector<std::string>{"xcb"};
}

std::string x11DisplayName(const std::vector<std::string_view>& arguments,
                           const DisplayEnvironment& environment) {
    if (const auto display = lastOption(arguments, "-display")) return std::string(*display);
    return environment.display.value_or("");
}

std::string normalX11Display(std::string_view name) {
    // A path is the name of a socket (the launchd form); nothing to normalise.
    if (name.empty() || name.starts_with('/')) return std::string(name);
    std::string_view rest = name;
    bool local = false;
    if (const std::size_t slash = rest.find('/'); slash != std::string_view::npos) {
        const std::string_view protocol = rest.substr(0, slash);
        local = protocol == "unix" || protocol == "local";
        rest.remove_prefix(slash + 1);
    }
    const std::size_t colon = rest.rfind(':');
    if (colon == std::string_view::npos) return std::string(name);
    std::string_view host = rest.substr(0, colon);
    const std::string_view tail = rest.substr(colon + 1);
    const std::string_view number = tail.substr(0, tail.find('.'));
    unsigned display = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), display);
    if (number.empty() || error != std::errc() || end != number.data() + number.size())
        return std::string(name);
    if (local || host == "unix") host = {};
    return std::string(host) + ":" + std::to_string(display);
}

std::string waylandSocketPath(const DisplayEnvironment& environment) {
    const std::string name = environment.waylandDisplay.value_or("wayland-0");
    if (name.starts_with('/')) return name;
    const std::string folder = environment.runtimeFolder.value_or("");
    if (folder.empty()) return {};
    return folder + (folder.ends_with('/') ? "" : "/") + name;
}

DisplayChoice chooseDisplay(const std::vector<std::string_view>& arguments,
                            const DisplayEnvironment& environment, const DisplayProbes& probes) {
    DisplayChoice choice;
    const std::vector<std::string> candidates = platformCandidates(arguments, environment);
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::string& candidate = candidates[i];
        const std::string base = pluginBase(candidate);
        const bool last = i + 1 == candidates.size();
        if (base == "xcb") {
            const std::string name = x11DisplayName(arguments, environment);
            // Qt takes the first candidate that connects: one before others must open now; the
            // last is opened only after the running copy was asked.
            if (name.empty() || (!last && !probes.x11Reachable(name))) {
                choice.failures.push_back(x11Failure(name));
                continue;
            }
            choice.found = true;
            choice.key = "x11-" + normalX11Display(name);
            if (last) choice.x11ToConfirm = name;
            return choice;
        }
        if (base.starts_with("wayland")) {
            // A missing plugin makes Qt go on to the next candidate; for the last one, Qt's own
            // message names the missing plugin.
            const bool installed = probes.pluginInstalled(base);
            if (!installed && !last) continue;
            if (installed) {
                const std::string path = waylandSocketPath(environment);
                if (path.empty() || !probes.waylandReachable(path)) {
                    choice.failures.push_back(waylandFailure(environment));
                    continue;
                }
                choice.found = true;
                choice.key = "wayland-" + path;
                return choice;
            }
        }
        // Offscreen, minimal, VNC and the like need no display: the platform is the display.
        choice.found = true;
        choice.key = "qpa-" + candidate;
        return choice;
    }
    // No candidate at all is Qt's to report.
    choice.found = candidates.empty();
    if (choice.found) choice.key = "qpa-";
    return choice;
}

std::string x11Failure(std::string_view name) {
    return name.empty() ? "DISPLAY is not set" : std::string(name);
}

std::string noDisplayMessage(const std::vector<std::string>& failures) {
    std::string named;
    for (const std::string& failure : failures)
        named += (named.empty() ? "" : ", ") + failure;
    return "tabulor: cannot open a display (" + named + ")" + std::string(kWithoutOne);
}

std::string platformSetting(const std::vector<std::string_view>& arguments,
                            const DisplayEnvironment& environment) {
    if (const auto platform = lastOption(arguments, "-platform")) return std::string(*platform);
    if (!environment.qtPlatform.value_or("").empty()) return *environment.qtPlatform;
    std::string tried;
    for (const std::string& candidate : platformCandidates(arguments, environment))
        tried += (tried.empty() ? "" : ";") + candidate;
    return tried;
}

std::string noPlatformMessage(std::string_view setting) {
    return "tabulor: cannot open the display platform '" + std::string(setting) + "'" +
           std::string(kWithoutOne);
}

}  // namespace tabulor
