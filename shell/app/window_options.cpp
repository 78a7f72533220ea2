#include "shell/app/window_options.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "faceplate/geometry.h"
#include "shell/window/zoom_geometry.h"

namespace tabulor {

namespace {

// Options that QApplication itself reads, with whether a value follows them.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array kQtOptions{
    QtOption{"-platform", true},        QtOption{"-platformpluginpath", true},
    QtOption{"-platformtheme", true},   QtOption{"-plugin", true},
    QtOption{"-qwindowgeometry", true}, QtOption{"-qwindowicon", true},
    QtOption{"-qwindowtitle", true},    QtOption{"-display", true},
    QtOption{"-style", true},           QtOption{"-stylesheet", true},
    QtOption{"-session", true},         QtOption{"-reverse", false},
    QtOption{"-nograb", false},         QtOption{"-dograb", false},
    QtOption{"-sync", false},           QtOption{"-widgetcount", false},
};

WindowOptions failure(std::string message) {
    WindowOptions options;
    options.action = WindowOptions::Action::Error;
    options.error = std::move(message);
    return options;
}

std::optional<int> parseZoom(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < kMinZoom || value > kMaxZoom) return std::nullopt;
    return value;
}

const QtOption* qtOption(std::string_view argument) {
    const auto found = std::find_if(kQtOptions.begin(), kQtOptions.end(),
                                    [&](const QtOption& o) { return o.name == argument; });
    return found == kQtOptions.end() ? nullptr : &*found;
}

}  // namespace

WindowOptions parseWindowOptions(const std::vector<std::string_view>& arguments) {
    WindowOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.action = WindowOptions::Action::Help;
            return options;
        }
        if (argument == "--version") {
            options.action = WindowOptions::Action::Version;
            return options;
        }
        std::optional<std::string_view> zoomText;
        if (argument == "--zoom") {
            if (i + 1 == arguments.size()) return failure("--zoom needs a value from 1 to 4");
            zoomText = arguments[++i];
        } else if (argument.starts_with("--zoom=")) {
            zoomText = argument.substr(7);
        }
        if (zoomText) {
            options.zoom = parseZoom(*zoomText);
            if (!options.zoom) {
                return failure("--zoom takes a whole number from 1 to 4, not '" +
                               std::string(*zoomText) + "'");
            }
            continue;
        }
        if (const QtOption* qt = qtOption(argument)) {
            if (qt->takesValue) ++i;
            continue;
        }
        if (argument.starts_with("-"))
            return failure("unknown option '" + std::string(argument) + "'");
        return failure("unexpected argument '" + std::string(argument) + "'");
    }
    return options;
}

std::string windowHelpText() {
    return "Usage: tabulor [--zoom N]\n"
           "A business and financial calculator for the desktop.\n"
           "\n"
           "Options:\n"
           "  --zoom N    draw the calculator N times its size, N from 1 to 4\n"
           "              (default: about a third of the screen's height, and\n"
           "              never larger than the screen holds)\n"
           "  --help      show this help and exit\n"
           "  --version   show the version and exit\n"
           "\n"
           "Click the keys with the mouse, or type them; the keyboard map is in\n"
           "Tools > About. Ctrl++ and Ctrl+- change the zoom, Ctrl+C copies the\n"
           "number shown, Ctrl+V keys a number in, Ctrl+Q quits.\n"
           "Without a display, use tabulor-cli.\n";
}

int fittingZoom(int availableWidth, int availableHeight, double devicePixelRatio) {
    const double wanted = availableHeight / 3.0 / faceplate::kHeight;
    const int rounded = static_cast<int>(wanted + 0.5);
    return std::min(std::clamp(rounded, kMinZoom, kMaxZoom),
                    largestZoomWithin(availableWidth, availableHeight, devicePixelRatio));
}

}  // namespace tabulor
