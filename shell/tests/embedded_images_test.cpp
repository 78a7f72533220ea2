// Every bitmap the program carries must be exactly what the drawing layer expects: a packed
// 8-bit bitmap with the one shared colour table, drawn with the artwork's own indices only.

#include "shell/resources/embedded_images.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "faceplate/image_table.h"
#include "image/hiding_image_store.h"
#include "image/image.h"

namespace tabulor {
namespace {

// The faces and the glyph strip leave the header's colour count at 0, meaning all 256; the
// small pictures name their 256.
std::uint32_t expectedColoursUsed(int id) {
    const bool counted = id != ImageId::Face && id != ImageId::ShiftedFace &&
                         id != ImageId::PressedFace && id != ImageId::PressedShiftedFace &&
                         id != ImageId::GlyphStrip;
    return counted ? 256 : 0;
}

struct Rgb {
    std::uint8_t red, green, blue;
};

// The platform's 20 reserved colours, at both ends of every colour table.
constexpr std::array<std::pair<int, Rgb>, 20> kSystemColours{{
    {0, {0, 0, 0}},         {1, {128, 0, 0}},     {2, {0, 128, 0}},       {3, {128, 128, 0}},
    {4, {0, 0, 128}},       {5, {128, 0, 128}},   {6, {0, 128, 128}},     {7, {192, 192, 192}},
    {8, {192, 220, 192}},   {9, {166, 202, 240}}, {246, {255, 251, 240}}, {247, {160, 160, 164}},
    {248, {128, 128, 128}}, {249, {255, 0, 0}},   {250, {0, 255, 0}},     {251, {255, 255, 0}},
    {252, {0, 0, 255}},     {253, {255, 0, 255}}, {254, {0, 255, 255}},   {255, {255, 255, 255}},
}};

std::uint32_t u32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t u16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

class EmbeddedImageFormat : public ::testing::TestWithParam<ImageFacts> {};

TEST_P(EmbeddedImageFormat, HeaderSizeAndLayout) {
    const ImageFacts& expected = GetParam();
    const std::span<const std::uint8_t> bytes = embeddedImages().find(expected.id);
    ASSERT_GE(bytes.size(), kBitmapHeaderSize) << "id " << expected.id;

    EXPECT_EQ(u32(bytes, 0), 40u);
    EXPECT_EQ(static_cast<std::int32_t>(u32(bytes, 4)), expected.width);
    EXPECT_EQ(static_cast<std::int32_t>(u32(bytes, 8)), expected.height);  // positive: bottom-up
    EXPECT_EQ(u16(bytes, 12), 1);                                          // planes
    EXPECT_EQ(u16(bytes, 14), 8);                                          // bits per pixel
    EXPECT_EQ(u32(bytes, 16), 0u);                                         // no compression
    EXPECT_EQ(u32(bytes, 32), expectedColoursUsed(expected.id));

    const std::size_t stride = (static_cast<std::size_t>(expected.width) + 3) / 4 * 4;
    EXPECT_EQ(bytes.size(), 1064 + stride * static_cast<std::size_t>(expected.height));
}

TEST_P(EmbeddedImageFormat, SharedColourTableWithTheSystemColours) {
    const ImageFacts& expected = GetParam();
    const std::span<const std::uint8_t> bytes = embeddedImages().find(expected.id);
    const std::span<const std::uint8_t> face = embeddedImages().find(ImageId::Face);
    ASSERT_GE(bytes.size(), 1064u);
    ASSERT_GE(face.size(), 1064u);

    EXPECT_EQ(std::memcmp(bytes.data() + 40, face.data() + 40, 1024), 0)
        << "id " << expected.id << " has a colour table of its own";
    for (const auto& [index, rgb] : kSystemColours) {
        const std::uint8_t* quad = bytes.data() + 40 + 4 * index;
        EXPECT_EQ(quad[0], rgb.blue) << "entry " << index;
        EXPECT_EQ(quad[1], rgb.green) << "entry " << index;
        EXPECT_EQ(quad[2], rgb.red) << "entry " << index;
        EXPECT_EQ(quad[3], 0) << "entry " << index;
    }
}

TEST_P(EmbeddedImageFormat, PixelsUseTheArtworkIndicesOnly) {
    const ImageFacts& expected = GetParam();
    const std::unique_ptr<Image> image = loadImage(embeddedImages(), expected.id);
    ASSERT_NE(image, nullptr);
    ASSERT_TRUE(imageIsComplete(*image));
    int outside = 0;
    for (std::int32_t y = 0; y < expected.height; ++y) {
        for (std::int32_t x = 0; x < expected.width; ++x) {
            const std::uint8_t index = pixelIndex(*image, x, y);
            if (index < 10 || index > 247) ++outside;
        }
    }
    EXPECT_EQ(outside, 0) << "id " << expected.id;
}

INSTANTIATE_TEST_SUITE_P(AllBitmaps, EmbeddedImageFormat, ::testing::ValuesIn(kImageTable),
                         [](const ::testing::TestParamInfo<ImageFacts>& info) {
                             return "Id" + std::to_string(info.param.id);
                         });

TEST(EmbeddedImages, UnknownIdIsNotFound) {
    EXPECT_TRUE(embeddedImages().find(0).empty());
    EXPECT_TRUE(embeddedImages().find(107).empty());
    EXPECT_EQ(loadImage(embeddedImages(), 119), nullptr);
}

TEST(EmbeddedImages, HidingStoreTakesAwayOnlyTheGivenIds) {
    const HidingImageStore store(embeddedImages(), {ImageId::GlyphStrip, ImageId::PressedFace});
    EXPECT_EQ(loadImage(store, ImageId::GlyphStrip), nullptr);
    EXPECT_EQ(loadImage(store, ImageId::PressedFace), nullptr);
    for (const ImageFacts& expected : kImageTable) {
        if (expected.id == ImageId::GlyphStrip || expected.id == ImageId::PressedFace) continue;
        EXPECT_EQ(store.find(expected.id).size(), embeddedImages().find(expected.id).size())
            << "id " << expected.id;
    }
}

}  // namespace
}  // namespace tabulor
