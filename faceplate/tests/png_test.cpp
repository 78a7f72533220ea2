// The faceplate written as a PNG: read back, it must be the picture the window would show with
// no key held; a file that cannot be written is an error with its reason.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "faceplate/faceplate_png.h"
#include "faceplate/png_writer.h"
#include "faceplate/tests/faceplate_fixture.h"
#include "faceplate/tests/png_reading.h"

namespace tabulor::testing {
namespace {

// Named after the process, so that builds running their tests at the same time keep apart.
std::string tempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("tabulor-" + name + "-" + std::to_string(::getpid()) + ".png"))
        .string();
}

class FaceplatePngTest : public FaceplateTest {};

TEST_F(FaceplatePngTest, WritesThePictureWithoutTheHeldKey) {
    endBanner();
    for (const int digit : {1, 2, 3, 4, 5, 6, 7})
        appendDigit(display(), digit);
    calculator.heldKey = keyCodeAt(3, 3);
    const std::string path = tempPath("faceplate");
    std::string error;
    ASSERT_TRUE(writeFaceplatePng(images, calculator, path, error)) << error;

    const PngPicture png = readPng(path);
    std::remove(path.c_str());
    ASSERT_TRUE(png.ok);
    EXPECT_EQ(png.width, 240u);
    EXPECT_EQ(png.height, 294u);

    calculator.heldKey.reset();
    const RgbSurface expected = paint();
    EXPECT_EQ(png.rgb, expected.rgb());
}

TEST_F(FaceplatePngTest, BadPathIsAnError) {
    const std::string path = "/nonexistent-directory/face.png";
    std::string error;
    EXPECT_FALSE(writeFaceplatePng(images, calculator, path, error));
    EXPECT_EQ(error, "No such file or directory");
}

TEST_F(FaceplatePngTest, WithoutImagesIsAnError) {
    releaseFaceplateImages(images);
    std::string error;
    const std::string path = tempPath("no-images");
    EXPECT_FALSE(writeFaceplatePng(images, calculator, path, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(PngWriter, RoundTripsEveryPixel) {
    RgbSurface surface(5, 3);
    for (std::int32_t y = 0; y < 3; ++y) {
        for (std::int32_t x = 0; x < 5; ++x) {
            surface.setPixel(x, y,
                             {static_cast<std::uint8_t>(50 * x), static_cast<std::uint8_t>(80 * y),
                              static_cast<std::uint8_t>(x + y)});
        }
    }
    const std::string path = tempPath("round-trip");
    std::string error;
    ASSERT_TRUE(writePng(surface, path, error)) << error;
    const PngPicture png = readPng(path);
    std::remove(path.c_str());
    ASSERT_TRUE(png.ok);
    EXPECT_EQ(png.width, 5u);
    EXPECT_EQ(png.height, 3u);
    EXPECT_EQ(png.rgb, surface.rgb());
}

TEST(PngWriter, PathThatCannotBeWrittenIsLeftAsItWas) {
    // An empty directory standing where the file should go: the write fails, and the directory
    // must still be there afterwards.
    const std::string path = tempPath("taken");
    std::filesystem::create_directory(path);
    const RgbSurface surface(2, 2);
    std::string error;
    EXPECT_FALSE(writePng(surface, path, error));
    EXPECT_EQ(error, "Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(path));
    std::filesystem::remove(path);
}

TEST(PngWriter, EmptyPictureIsAnError) {
    const RgbSurface surface(0, 0);
    std::string error;
    EXPECT_FALSE(writePng(surface, tempPath("empty"), error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace tabulor::testing
