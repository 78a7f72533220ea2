// The window's command line.
#include "shell/app/window_options.h"

#include <gtest/gtest.h>

namespace tabulor {
namespace {

using Action = WindowOptions::Action;

TEST(WindowOptions, Table) {
    struct Case {
        std::vector<std::string_view> arguments;
        Action action;
        std::optional<int> zoom;
    };
    const Case cases[] = {
        {{}, Action::Run, std::nullopt},
        {{"--help"}, Action::Help, std::nullopt},
        {{"-h"}, Action::Help, std::nullopt},
        {{"--version"}, Action::Version, std::nullopt},
        {{"--zoom", "3"}, Action::Run, 3},
        {{"--zoom=4"}, Action::Run, 4},
        {{"--zoom", "1", "-platform", "offscreen"}, Action::Run, 1},
        {{"-reverse"}, Action::Run, std::nullopt},
        {{"--zoom"}, Action::Error, std::nullopt},
        {{"--zoom", "0"}, Action::Error, std::nullopt},
        {{"--zoom", "5"}, Action::Error, std::nullopt},
        {{"--zoom", "2x"}, Action::Error, std::nullopt},
        {{"--zoom="}, Action::Error, std::nullopt},
        {{"--frobnicate"}, Action::Error, std::nullopt},
        {{"file.txt"}, Action::Error, std::nullopt},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const auto a : c.arguments)
            joined += std::string(a) + ' ';
        SCOPED_TRACE(joined);
        const WindowOptions options = parseWindowOptions(c.arguments);
        EXPECT_EQ(options.action, c.action);
        if (c.action == Action::Run) {
            EXPECT_EQ(options.zoom, c.zoom);
        }
        EXPECT_EQ(options.error.empty(), c.action != Action::Error);
    }
}

TEST(WindowOptions, ErrorNamesTheOffendingArgument) {
    EXPECT_NE(parseWindowOptions({"--frobnicate"}).error.find("--frobnicate"), std::string::npos);
    EXPECT_NE(parseWindowOptions({"--zoom", "9"}).error.find("'9'"), std::string::npos);
}

TEST(WindowOptions, FittingZoomIsAboutAThirdOfTheScreen) {
    const struct {
        int screen;
        int zoom;
    } cases[] = {{480, 1},  {768, 1},  {1080, 1}, {1440, 2}, {2160, 2},
                 {2880, 3}, {4320, 4}, {8640, 4}, {0, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(fittingZoom(c.screen), c.zoom) << c.screen;
}

}  // namespace
}  // namespace tabulor
