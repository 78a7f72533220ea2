#include "shell/instance/display_probe.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <QLibraryInfo>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "shell/instance/local_socket.h"

namespace tabulor {

namespace {

// A reset takes a few milliseconds; a display that is not there fails at once every time.
constexpr int kResetRetries = 4;
constexpr int kResetPauseMilliseconds = 25;

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

// Adds the folders of the colon-separated list in `variable`, each with `below` appended.
void addListed(const char* variable, const char* below,
               std::vector<std::filesystem::path>& folders) {
    const char* value = std::getenv(variable);
    std::string_view list = value == nullptr ? "" : value;
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(':'), list.size());
        if (end > 0) folders.push_back(std::filesystem::path(list.substr(0, end)) / below);
        list.remove_prefix(std::min(end + 1, list.size()));
    }
}

// Where Qt looks for platform plugins: its own plugin folder, QT_PLUGIN_PATH, and
// QT_QPA_PLATFORM_PLUGIN_PATH, which names the platforms folder itself. The file of key
// "wayland" is the generic client; any other key is libq<key>.so.
bool pluginInstalled(std::string_view platform) {
    const std::string file =
        platform == "wayland" ? "libqwayland-generic.so" : "libq" + std::string(platform) + ".so";
    std::vector<std::filesystem::path> folders{
        QLibraryInfo::path(QLibraryInfo::PluginsPath).toStdString() + "/platforms"};
    addListed("QT_PLUGIN_PATH", "platforms", folders);
    addListed("QT_QPA_PLATFORM_PLUGIN_PATH", "", folders);
    std::error_code ignored;
    return std::any_of(folders.begin(), folders.end(), [&](const std::filesystem::path& folder) {
        return std::filesystem::exists(folder / file, ignored);
    });
}

}  // namespace

DisplayEnvironment systemDisplayEnvironment() {
    return DisplayEnvironment{variable("QT_QPA_PLATFORM"), variable("DISPLAY"),
                              variable("WAYLAND_DISPLAY"), variable("XDG_SESSION_TYPE"),
                              variable("XDG_RUNTIME_DIR")};
}

X11Connections::~X11Connections() {
    closeAll();
}

bool X11Connections::open(const std::string& name) {
    for (int attempt = 0;; ++attempt) {
        xcb_connection_t* connection = xcb_connect(name.c_str(), nullptr);
        if (xcb_connection_has_error(connection) == 0) {
            open_.push_back(connection);
            return true;
        }
        xcb_disconnect(connection);
        if (attempt == kResetRetries) return false;
        ::poll(nullptr, 0, kResetPauseMilliseconds);
    }
}

void X11Connections::closeAll() {
    for (xcb_connection_t* connection : open_)
        xcb_disconnect(connection);
    open_.clear();
}

DisplayProbes systemDisplayProbes(X11Connections& connections) {
    return DisplayProbes{
        pluginInstalled, acceptsConnections,
        [&connections](const std::string& name) { return connections.open(name); }};
}

}  // namespace tabulor
