// Loading and releasing the faceplate's images from an image store.
#include "faceplate/faceplate_images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "faceplate/geometry.h"
#include "faceplate/image_table.h"
#include "image/image.h"

namespace tabulor {
namespace {

void putU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void putU16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// A packed bitmap: header, 256-entry table whose entry i is (blue i, green 255 − i, red
// `redBase` + i), rows padded to 4 bytes, every pixel 42.
std::vector<std::uint8_t> makeBitmap(std::int32_t width, std::int32_t height, std::uint8_t redBase,
                                     std::uint16_t bitsPerPixel = 8) {
    constexpr std::size_t kTableSize = 256 * 4;
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    std::vector<std::uint8_t> bytes(
        kBitmapHeaderSize + kTableSize + stride * static_cast<std::size_t>(height), 0);
    putU32(bytes, 0, kBitmapHeaderSize);
    putU32(bytes, 4, static_cast<std::uint32_t>(width));
    putU32(bytes, 8, static_cast<std::uint32_t>(height));
    putU16(bytes, 12, 1);
    putU16(bytes, 14, bitsPerPixel);
    for (std::size_t i = 0; i < 256; ++i) {
        std::uint8_t* quad = bytes.data() + kBitmapHeaderSize + 4 * i;
        quad[0] = static_cast<std::uint8_t>(i);
        quad[1] = static_cast<std::uint8_t>(255 - i);
        quad[2] = static_cast<std::uint8_t>(redBase + i);
    }
    for (std::size_t at = kBitmapHeaderSize + kTableSize; at < bytes.size(); ++at)
        bytes[at] = 42;
    return bytes;
}

class FakeImageStore final : public ImageStore {
  public:
    std::span<const std::uint8_t> find(int id) const override {
        const auto found = images.find(id);
        if (found == images.end()) return {};
        return found->second;
    }

    std::map<int, std::vector<std::uint8_t>> images;
};

FakeImageStore completeStore() {
    FakeImageStore store;
    for (const int face :
         {ImageId::Face, ImageId::ShiftedFace, ImageId::PressedFace, ImageId::PressedShiftedFace}) {
        store.images[face] = makeBitmap(faceplate::kWidth, faceplate::kHeight, 0);
    }
    store.images[ImageId::GlyphStrip] = makeBitmap(476, 35, 3);
    store.images[ImageId::ErrorStrip] = makeBitmap(53, 36, 0);
    store.images[ImageId::ShiftAnnunciator] = makeBitmap(25, 6, 0);
    store.images[ImageId::BeginAnnunciator] = makeBitmap(25, 6, 0);
    store.images[ImageId::PendAnnunciator] = makeBitmap(25, 6, 0);
    store.images[ImageId::BatteryAnnunciator] = makeBitmap(16, 5, 0);
    return store;
}

bool noImageHeld(const FaceplateImages& images) {
    for (const auto& face : images.faces) {
        if (face != nullptr) return false;
    }
    return images.glyphStrip == nullptr && images.errorStrip == nullptr &&
           images.shiftImage == nullptr && images.beginImage == nullptr &&
           images.pendImage == nullptr && images.batteryImage == nullptr;
}

TEST(LoadFaceplateImages, LoadsEveryImage) {
    const FakeImageStore store = completeStore();
    FaceplateImages images;
    ASSERT_TRUE(loadFaceplateImages(images, store));

    struct Held {
        const std::unique_ptr<Image>& image;
        int id;
    };
    const Held held[] = {{images.faces[0], ImageId::Face},
                         {images.faces[1], ImageId::ShiftedFace},
                         {images.faces[2], ImageId::PressedFace},
                         {images.faces[3], ImageId::PressedShiftedFace},
                         {images.glyphStrip, ImageId::GlyphStrip},
                         {images.errorStrip, ImageId::ErrorStrip},
                         {images.shiftImage, ImageId::ShiftAnnunciator},
                         {images.beginImage, ImageId::BeginAnnunciator},
                         {images.pendImage, ImageId::PendAnnunciator},
                         {images.batteryImage, ImageId::BatteryAnnunciator}};
    for (const Held& h : held) {
        ASSERT_NE(h.image, nullptr) << h.id;
        EXPECT_TRUE(std::ranges::equal(h.image->bytes, store.images.at(h.id))) << h.id;
    }
}

TEST(LoadFaceplateImages, FailsAndHoldsNothingWhenAnyImageIsMissingOrCut) {
    const int ids[] = {ImageId::Face,
                       ImageId::ShiftedFace,
                       ImageId::PressedFace,
                       ImageId::PressedShiftedFace,
                       ImageId::GlyphStrip,
                       ImageId::ErrorStrip,
                       ImageId::ShiftAnnunciator,
                       ImageId::BeginAnnunciator,
                       ImageId::PendAnnunciator,
                       ImageId::BatteryAnnunciator};
    for (const int id : ids) {
        for (const bool cut : {false, true}) {
            FakeImageStore store = completeStore();
            if (cut) {
                store.images[id].resize(kBitmapHeaderSize - 1);  // too short for a header
            } else {
                store.images.erase(id);
            }
            FaceplateImages images;
            EXPECT_FALSE(loadFaceplateImages(images, store)) << id << (cut ? " cut" : " missing");
            EXPECT_TRUE(noImageHeld(images)) << id;
        }
    }
}

TEST(ReleaseFaceplateImages, EmptiesEveryFieldAndCanBeRepeated) {
    const FakeImageStore store = completeStore();
    FaceplateImages images;
    ASSERT_TRUE(loadFaceplateImages(images, store));
    releaseFaceplateImages(images);
    EXPECT_TRUE(noImageHeld(images));
    releaseFaceplateImages(images);
    EXPECT_TRUE(noImageHeld(images));
    EXPECT_TRUE(loadFaceplateImages(images, store));
}

}  // namespace
}  // namespace tabulor
