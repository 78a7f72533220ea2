// A calculator starts only with all ten bitmaps: take any one away and initialize fails and
// leaves nothing behind.

#include <gtest/gtest.h>

#include "engine/calculator.h"
#include "image/hiding_image_store.h"
#include "platform/simulated_services.h"
#include "shell/resources/embedded_images.h"

namespace tabulor {
namespace {

void expectNothingHeld(const Calculator& calculator) {
    EXPECT_EQ(calculator.display, nullptr);
    EXPECT_EQ(calculator.palette, nullptr);
    for (const auto& face : calculator.faceImages)
        EXPECT_EQ(face, nullptr);
}

TEST(Startup, SucceedsWithTheEmbeddedImages) {
    SimulatedClock clock;
    FixedPower power;
    Calculator calculator(CalculatorServices{&clock, &power, &embeddedImages()});
    ASSERT_TRUE(initialize(calculator));
    EXPECT_NE(calculator.palette, nullptr);
    ASSERT_NE(calculator.display, nullptr);
    EXPECT_NE(calculator.display->displayPalette, nullptr);
    destroy(calculator);
    expectNothingHeld(calculator);
}

class MissingImage : public ::testing::TestWithParam<int> {};

TEST_P(MissingImage, InitializeFailsAndReleasesEverything) {
    const HidingImageStore store(embeddedImages(), {GetParam()});
    SimulatedClock clock;
    FixedPower power;
    Calculator calculator(CalculatorServices{&clock, &power, &store});
    EXPECT_FALSE(initialize(calculator));
    expectNothingHeld(calculator);
}

INSTANTIATE_TEST_SUITE_P(EachId, MissingImage,
                         ::testing::Values(ImageId::Face, ImageId::ShiftedFace,
                                           ImageId::PressedFace, ImageId::PressedShiftedFace,
                                           ImageId::GlyphStrip, ImageId::ErrorStrip,
                                           ImageId::ShiftAnnunciator, ImageId::BeginAnnunciator,
                                           ImageId::PendAnnunciator, ImageId::BatteryAnnunciator),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Id" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace tabulor
