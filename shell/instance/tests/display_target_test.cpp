// Which platform and display a start will open, as Qt 6.4 chooses them, and the key the running
// copy is found under: starts on different displays must never reach each other's copy.
#include "shell/instance/display_target.h"

#include <gtest/gtest.h>

#include <set>

namespace tabulor {
namespace {

using Arguments = std::vector<std::string_view>;

TEST(DisplayTarget, PlatformsInQtsOrder) {
    struct Case {
        const char* what;
        Arguments arguments;
        DisplayEnvironment environment;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"nothing set", {}, {}, {"xcb"}},
        {"X11 session", {}, {.display = ":0", .sessionType = "x11"}, {"xcb"}},
        {"Wayland socket named",
         {},
         {.display = ":0", .waylandDisplay = "wayland-1"},
         {"wayland", "xcb"}},
        {"Wayland socket set empty", {}, {.waylandDisplay = ""}, {"wayland", "xcb"}},
        {"Wayland session", {}, {.sessionType = "wayland"}, {"wayland", "xcb"}},
        {"QT_QPA_PLATFORM wins",
         {},
         {.qtPlatform = "offscreen", .waylandDisplay = "w"},
         {"offscreen"}},
        {"QT_QPA_PLATFORM empty is unset", {}, {.qtPlatform = ""}, {"xcb"}},
        {"a list, empty parts dropped", {}, {.qtPlatform = "minimal;;xcb;"}, {"minimal", "xcb"}},
        {"-platform wins", {"-platform", "xcb"}, {.qtPlatform = "offscreen"}, {"xcb"}},
        {"--platform, the last one",
         {"--platform", "vnc", "-platform", "offscreen:size=9x9"},
         {},
         {"offscreen:size=9x9"}},
        {"-platform without a value", {"-platform"}, {.qtPlatform = "minimal"}, {"minimal"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(platformCandidates(c.arguments, c.environment), c.expected);
    }
}

TEST(DisplayTarget, OneSpellingPerXDisplay) {
    struct Case {
        std::string_view name;
        std::string_view expected;
    };
    const Case cases[] = {
        {":0", ":0"},
        {":0.1", ":0"},
        {"unix:0", ":0"},
        {"unix/:0.0", ":0"},
        {":00", ":0"},
        {":63", ":63"},
        {"localhost:10.0", "localhost:10"},
        {"tcp/host.example:1", "host.example:1"},
        {"[::1]:2", "[::1]:2"},
        {"/tmp/launch-x/org.x:0", "/tmp/launch-x/org.x:0"},
        {"nonsense", "nonsense"},
        {":x", ":x"},
        {":99999999999", ":99999999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(normalX11Display(c.name), c.expected);
    }
    // The display Qt opens: the last -display, else DISPLAY.
    EXPECT_EQ(x11DisplayName({"-display", ":5", "--display", ":6"}, {.display = ":0"}), ":6");
    EXPECT_EQ(x11DisplayName({"-display"}, {.display = ":0"}), ":0");
    EXPECT_EQ(x11DisplayName({}, {}), "");
}

TEST(DisplayTarget, WaylandSocketAsTheClientLibraryFindsIt) {
    EXPECT_EQ(waylandSocketPath({.runtimeFolder = "/run/user/7"}), "/run/user/7/wayland-0");
    EXPECT_EQ(waylandSocketPath({.waylandDisplay = "wayland-1", .runtimeFolder = "/run/user/7/"}),
              "/run/user/7/wayland-1");
    EXPECT_EQ(waylandSocketPath({.waylandDisplay = "/srv/w", .runtimeFolder = "/run/user/7"}),
              "/srv/w");
    EXPECT_EQ(waylandSocketPath({.waylandDisplay = "wayland-1"}), "");
}

// Probes over sets of what exists.
struct World {
    std::set<std::string> x11 = {};
    std::set<std::string> wayland = {};
    bool waylandPlugin = true;
    std::vector<std::string>* asked = nullptr;

    DisplayProbes probes() {
        return DisplayProbes{
            [this](std::string_view) { return waylandPlugin; },
            [this](const std::string& path) { return wayland.count(path) > 0; },
            [this](const std::string& name) {
                if (asked != nullptr) asked->push_back(name);
                return x11.count(name) > 0;
            },
        };
    }
};

TEST(DisplayTarget, ChoiceKeyAndFailures) {
    const std::string socket = "/run/user/7/wayland-0";
    struct Case {
        const char* what;
        Arguments arguments;
        DisplayEnvironment environment;
        World world;
        bool found;
        std::string key;
        std::string confirm;
        std::vector<std::string> failures;
    };
    const Case cases[] = {
        {"X11, checked only later", {}, {.display = ":63.0"}, {}, true, "x11-:63", ":63.0", {}},
        {"-display beats DISPLAY",
         {"-display", ":64"},
         {.display = ":63"},
         {},
         true,
         "x11-:64",
         ":64",
         {}},
        {"no DISPLAY", {}, {}, {}, false, "", "", {"DISPLAY is not set"}},
        {"a Wayland socket alone is not tried",
         {},
         {.display = ":0", .runtimeFolder = "/run/user/7"},
         {.wayland = {socket}},
         true,
         "x11-:0",
         ":0",
         {}},
        {"Wayland first",
         {},
         {.display = ":0", .sessionType = "wayland", .runtimeFolder = "/run/user/7"},
         {.wayland = {socket}},
         true,
         "wayland-" + socket,
         "",
         {}},
        {"Wayland down, X11 next",
         {},
         {.display = ":0", .sessionType = "wayland", .runtimeFolder = "/run/user/7"},
         {},
         true,
         "x11-:0",
         ":0",
         {"wayland-0"}},
        {"no Wayland plugin: X11 as Qt does",
         {},
         {.display = ":0", .waylandDisplay = "wayland-0", .runtimeFolder = "/run/user/7"},
         {.wayland = {socket}, .waylandPlugin = false},
         true,
         "x11-:0",
         ":0",
         {}},
        {"neither",
         {},
         {.sessionType = "wayland"},
         {},
         false,
         "",
         "",
         {"XDG_RUNTIME_DIR is not set", "DISPLAY is not set"}},
        {"Wayland only, down",
         {},
         {.qtPlatform = "wayland", .waylandDisplay = "w-9", .runtimeFolder = "/run/user/7"},
         {},
         false,
         "",
         "",
         {"w-9"}},
        {"Wayland only, no plugin: Qt says so",
         {},
         {.qtPlatform = "wayland"},
         {.waylandPlugin = false},
         true,
         "qpa-wayland",
         "",
         {}},
        {"offscreen needs no display",
         {},
         {.qtPlatform = "offscreen"},
         {},
         true,
         "qpa-offscreen",
         "",
         {}},
        {"X11 before another: checked now",
         {},
         {.qtPlatform = "xcb;offscreen", .display = ":1"},
         {.x11 = {":1"}},
         true,
         "x11-:1",
         "",
         {}},
        {"X11 down before another",
         {},
         {.qtPlatform = "xcb;offscreen", .display = ":1"},
         {},
         true,
         "qpa-offscreen",
         "",
         {":1"}},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.what);
        const DisplayChoice choice = chooseDisplay(c.arguments, c.environment, c.world.probes());
        EXPECT_EQ(choice.found, c.found);
        EXPECT_EQ(choice.key, c.key);
        EXPECT_EQ(choice.x11ToConfirm, c.confirm);
        EXPECT_EQ(choice.failures, c.failures);
    }
}

TEST(DisplayTarget, TheLastXDisplayIsNotOpenedBeforeTheRunningCopyIsAsked) {
    std::vector<std::string> asked;
    World world{.asked = &asked};
    const DisplayChoice choice = chooseDisplay({}, {.display = ":9"}, world.probes());
    EXPECT_TRUE(choice.found);
    EXPECT_TRUE(asked.empty());
}

TEST(DisplayTarget, DifferentDisplaysDifferentKeys) {
    World world{.wayland = {"/run/user/7/wayland-0", "/run/user/7/wayland-1"}};
    const auto key = [&](Arguments arguments, DisplayEnvironment environment) {
        return chooseDisplay(arguments, environment, world.probes()).key;
    };
    const std::string x63 = key({}, {.display = ":63"});
    EXPECT_EQ(key({}, {.display = "unix:63.1"}), x63);
    EXPECT_EQ(key({"-display", ":63"}, {.display = ":64"}), x63);
    const std::set<std::string> keys{
        x63,
        key({}, {.display = ":64"}),
        key({}, {.display = "otherhost:63"}),
        key({}, {.qtPlatform = "offscreen", .display = ":63"}),
        key({"-platform", "minimal"}, {.display = ":63"}),
        key({}, {.display = ":63", .waylandDisplay = "wayland-0", .runtimeFolder = "/run/user/7"}),
        key({}, {.display = ":63", .waylandDisplay = "wayland-1", .runtimeFolder = "/run/user/7"}),
    };
    EXPECT_EQ(keys.size(), 7u);
}

TEST(DisplayTarget, NoDisplayMessage) {
    EXPECT_EQ(noDisplayMessage({"DISPLAY is not set"}),
              "tabulor: cannot open a display (DISPLAY is not set); tabulor-cli works without "
              "one");
    EXPECT_EQ(noDisplayMessage({"wayland-0", ":99"}),
              "tabulor: cannot open a display (wayland-0, :99); tabulor-cli works without one");
}

}  // namespace
}  // namespace tabulor
