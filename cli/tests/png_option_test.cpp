// --png: the picture written after the tokens must be the faceplate the window would show for the
// same taps, and a file that cannot be written must fail loudly with exit status 2.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/app.h"
#include "cli/session.h"
#include "cli/tests/in_process_run.h"
#include "cli/token_parsing.h"
#include "display/glyph.h"
#include "faceplate/faceplate.h"
#include "faceplate/geometry.h"
#include "faceplate/image_table.h"
#include "faceplate/rgb_surface.h"
#include "faceplate/tests/png_reading.h"
#include "shell/resources/embedded_images.h"

namespace tabulor {
namespace {

using ::tabulor::testing::PngPicture;
using ::tabulor::testing::readPng;

CliRun run(std::vector<std::string> arguments, const std::string& input = "") {
    return runInProcess(std::move(arguments), input);
}

// The faceplate the window would paint after the same tokens, drawn in memory.
RgbSurface paintAfter(const std::string& tokens, int scale = 1) {
    Session session(SessionSettings{0, PowerStatus{255, 255}});
    const Rect face = scaled(faceplate::kFaceRect, scale);
    RgbSurface surface(face.width(), face.height());
    FaceplateImages images;
    if (!loadFaceplateImages(images, embeddedImages(), scale) || !startSession(session)) {
        return surface;
    }
    const std::string arguments[] = {tokens};
    for (const Token& token : parseTokens(arguments).tokens)
        runToken(session, token);
    paintFaceplate(images, session.calculator, surface, face);
    return surface;
}

// Pixels of `region` where the picture and the surface differ.
int differingPixels(const PngPicture& picture, const RgbSurface& surface, const Rect& region) {
    int count = 0;
    for (std::int32_t y = region.top; y < region.bottom; ++y) {
        for (std::int32_t x = region.left; x < region.right; ++x)
            count += picture.pixel(x, y) != surface.pixel(x, y);
    }
    return count;
}

class PngOption : public ::testing::Test {
  protected:
    void SetUp() override {
        directory_ = std::filesystem::temp_directory_path() /
                     ("tabulor-cli-png-" + std::to_string(::getpid()));
        std::filesystem::create_directories(directory_);
    }
    void TearDown() override { std::filesystem::remove_all(directory_); }

    std::string path(const std::string& name) const { return (directory_ / name).string(); }

  private:
    std::filesystem::path directory_;
};

TEST_F(PngOption, WritesTheFaceplateAfterTheTokens) {
    const std::string file = path("face.png");
    const CliRun r = run({"--png", file, "WAIT", "1234567"});
    EXPECT_EQ(r.exitCode, kExitOk);
    EXPECT_EQ(r.out, " 1,234,567_\n") << "the display line is printed as without --png";
    EXPECT_EQ(r.err, "");

    const PngPicture picture = readPng(file);
    ASSERT_TRUE(picture.ok);
    ASSERT_EQ(picture.width, 240u);
    ASSERT_EQ(picture.height, 294u);
    const RgbSurface expected = paintAfter("WAIT 1234567");
    EXPECT_EQ(differingPixels(picture, expected, faceplate::kDisplayRect), 0);
    EXPECT_EQ(picture.rgb, expected.rgb());
}

TEST_F(PngOption, TheDisplayShowsTheNumberAndTheCursor) {
    const std::string file = path("number.png");
    ASSERT_EQ(run({"--png=" + file, "WAIT 1234567"}).exitCode, kExitOk);
    const PngPicture picture = readPng(file);
    ASSERT_TRUE(picture.ok);
    ASSERT_EQ(picture.width, 240u);

    // Read straight from the glyph strip, not through the drawing code: sign cell blank, the
    // seven digits, the entry cursor, blanks to the end.
    const std::unique_ptr<Image> strip = loadImage(embeddedImages(), ImageId::GlyphStrip);
    ASSERT_NE(strip, nullptr);
    const std::array<Glyph, 13> cells{Glyph::Blank,  Glyph{1},     Glyph{2},     Glyph{3},
                                      Glyph{4},      Glyph{5},     Glyph{6},     Glyph{7},
                                      Glyph::Cursor, Glyph::Blank, Glyph::Blank, Glyph::Blank,
                                      Glyph::Blank};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::int32_t left = 5 + 18 * static_cast<std::int32_t>(i);
        int wrong = 0;
        for (std::int32_t y = 0; y < 35; ++y) {
            for (std::int32_t x = 0; x < 14; ++x) {
                const PaletteEntry e = tableColour(
                    *strip, pixelIndex(*strip, 14 * static_cast<std::int32_t>(cells[i]) + x, y));
                wrong += picture.pixel(left + x, 10 + y) != Colour{e.red, e.green, e.blue};
            }
        }
        EXPECT_EQ(wrong, 0) << "cell " << i;
    }
    // The grouping commas after cells 1 and 4, tails included.
    for (const std::int32_t cell : {1, 4}) {
        const std::int32_t x0 = 5 + 18 * cell;
        for (const auto& [x, y] :
             {std::pair{x0 + 15, 41}, {x0 + 16, 42}, {x0 + 16, 43}, {x0 + 15, 44}}) {
            EXPECT_EQ(picture.pixel(x, y), (Colour{255, 255, 255})) << x << "," << y;
        }
    }
}

TEST_F(PngOption, ArmedShiftShowsTheShiftedFace) {
    const std::string file = path("shift.png");
    ASSERT_EQ(run({"--png", file, "WAIT SHIFT"}).exitCode, kExitOk);
    const PngPicture picture = readPng(file);
    ASSERT_TRUE(picture.ok);
    const RgbSurface shifted = paintAfter("WAIT SHIFT");
    const RgbSurface plain = paintAfter("WAIT");
    EXPECT_EQ(picture.rgb, shifted.rgb());
    EXPECT_GT(differingPixels(picture, plain, faceplate::kKeypadRect), 0);
    EXPECT_GT(differingPixels(picture, plain, faceplate::kShiftRect), 0) << "SHIFT annunciator";
}

TEST_F(PngOption, WithoutTokensThePictureShowsTheEndOfTheInput) {
    const std::string file = path("input.png");
    const CliRun r = run({"--png", file}, "WAIT\n42\n");
    EXPECT_EQ(r.exitCode, kExitOk);
    EXPECT_EQ(r.out, " 0.00\n 42_\n");
    const PngPicture picture = readPng(file);
    ASSERT_TRUE(picture.ok);
    EXPECT_EQ(picture.rgb, paintAfter("WAIT 42").rgb());
}

TEST_F(PngOption, AFileThatCannotBeWrittenIsExitTwo) {
    const std::string missing = path("no-such-directory") + "/face.png";
    const std::string directory = path("taken");
    std::filesystem::create_directory(directory);
    for (const std::string& file : {missing, directory}) {
        const CliRun r = run({"--png", file, "WAIT"});
        EXPECT_EQ(r.exitCode, kExitUsage) << file;
        EXPECT_EQ(r.out, " 0.00\n") << "the display line still comes first";
        EXPECT_EQ(r.err.rfind("tabulor-cli: cannot write " + file + ": ", 0), 0u) << r.err;
        EXPECT_EQ(r.err.back(), '\n');
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_TRUE(std::filesystem::is_directory(directory)) << "what stood there must stay";
}

TEST_F(PngOption, ScaleDrawsThePictureAtThatScale) {
    for (const int scale : {1, 2, 3, 4}) {
        const std::string file = path("scaled.png");
        const CliRun r = run({"--png", file, "--scale=" + std::to_string(scale), "WAIT 1234567"});
        EXPECT_EQ(r.exitCode, kExitOk) << r.err;
        const PngPicture picture = readPng(file);
        ASSERT_TRUE(picture.ok);
        EXPECT_EQ(picture.width, 240u * scale);
        EXPECT_EQ(picture.height, 294u * scale);
        EXPECT_EQ(picture.rgb, paintAfter("WAIT 1234567", scale).rgb()) << scale;
    }
}

TEST_F(PngOption, ABadScaleIsExitTwoAndWritesNothing) {
    const std::string file = path("never.png");
    for (const char* scale : {"0", "5", "-1", "2.5", "x", "", "99999999999999999999"}) {
        const CliRun r = run({"--png", file, "--scale", scale, "WAIT"});
        EXPECT_EQ(r.exitCode, kExitUsage) << scale;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("tabulor-cli: invalid scale '", 0), 0u) << r.err;
    }
    const CliRun alone = run({"--scale", "2", "WAIT"});
    EXPECT_EQ(alone.exitCode, kExitUsage);
    EXPECT_EQ(alone.err.rfind("tabulor-cli: option '--scale' needs '--png FILE'\n", 0), 0u)
        << alone.err;
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(PngOption, NothingIsWrittenWhenTheTokensAreBad) {
    const std::string file = path("never.png");
    const CliRun r = run({"--png", file, "WAIT bogus"});
    EXPECT_EQ(r.exitCode, kExitUsage);
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace tabulor
