#pragma once
// The window's command line, read before Qt starts so that --help and --version work without a
// display.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/window/zoom_geometry.h"

namespace tabulor {

struct WindowOptions {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::optional<int> zoom;  // unset: fit the screen
    std::string error;        // for Action::Error, a line naming what was wrong
};

// Qt's own options (-platform xcb, -reverse, ...) are left for Qt and pass here unread.
WindowOptions parseWindowOptions(const std::vector<std::string_view>& arguments);

std::string windowHelpText();

// The zoom whose face height comes nearest a third of the screen's available height, within
// kMinZoom..kMaxZoom, and never one whose window would not fit the available area.
int fittingZoom(int availableWidth, int availableHeight, double devicePixelRatio);

}  // namespace tabulor
