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

// About a third of the height, but never a window wider or taller than the available area.
TEST(WindowOptions, FittingZoomIsAboutAThirdOfTheScreenAndFitsIt) {
    const struct {
        int width;
        int height;
        double ratio;
        int zoom;
    } cases[] = {{4000, 480, 1.0, 1},  {4000, 768, 1.0, 1},  {4000, 1080, 1.0, 1},
                 {4000, 1440, 1.0, 2}, {4000, 2160, 1.0, 2}, {4000, 2880, 1.0, 3},
                 {4000, 4320, 1.0, 4}, {4000, 8640, 1.0, 4}, {0, 0, 1.0, 1},
                 {720, 2880, 1.0, 3},  {719, 2880, 1.0, 2},  {959, 4320, 1.0, 3},
                 {767, 2880, 1.25, 2}, {768, 2880, 1.25, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(fittingZoom(c.width, c.height, c.ratio), c.zoom)
            << c.width << " x " << c.height << " at " << c.ratio;
    }
}

}  // namespace
}  // namespace tabulor
