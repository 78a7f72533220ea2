#pragma once
// A calculator and the program's own bitmaps, and ways to compare what a paint
// left on an RgbSurface with the images it should have come from.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/calculator.h"
#include "faceplate/faceplate.h"
#include "faceplate/faceplate_images.h"
#include "faceplate/geometry.h"
#include "faceplate/rgb_surface.h"
#include "faceplate/surface.h"
#include "image/image.h"
#include "platform/simulated_services.h"
#include "shell/resources/embedded_images.h"

namespace tabulor::testing {

inline constexpr Rect kWholeFace{0, 0, faceplate::kWidth, faceplate::kHeight};
inline constexpr Colour kWhite{255, 255, 255};

// The colour an image's pixel stands for.
Colour imageColour(const Image& image, std::int32_t x, std::int32_t y);

// Pixels of `rect` on the surface that differ from `image` at `source` onwards; empty when the
// region is an exact copy.
std::vector<std::string> differencesFromImage(const RgbSurface& surface, const Rect& rect,
                                              const Image& image, Point source);

// Pixels inside `region` (and outside `except`) where two surfaces differ.
std::vector<std::string> differences(const RgbSurface& a, const RgbSurface& b, const Rect& region,
                                     const Rect& except = {});

// Every pixel of the surface that differs from the other one.
std::vector<Point> changedPixels(const RgbSurface& a, const RgbSurface& b);

class FaceplateTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    Display& display() { return *calculator.display; }
    // Ends the start-up banner, so the display shows 0.00.
    void endBanner();
    RgbSurface paint(const Rect& clip = kWholeFace);
    const Image& face(int index) const { return *images.faces[index]; }

    SimulatedClock clock;
    FixedPower power;
    Calculator calculator{CalculatorServices{&clock, &power}};
    FaceplateImages images;
};

}  // namespace tabulor::testing
