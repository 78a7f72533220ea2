#pragma once
// The faceplate's colours, shared by every piece of the artwork; its measures are the program's
// own (faceplate/geometry.h).

#include "canvas.h"
#include "faceplate/geometry.h"

namespace tabulor::facegen {

namespace colour {
inline constexpr Rgb kCase{255, 255, 255};
inline constexpr Rgb kLegendBlue{49, 49, 140};
inline constexpr Rgb kLegendRed{198, 28, 24};
inline constexpr Rgb kPressedLegend{228, 229, 235};
inline constexpr Rgb kPanelTop{90, 49, 132};
inline constexpr Rgb kPanelMiddle{107, 132, 198};
inline constexpr Rgb kPanelBottom{82, 66, 140};
inline constexpr Rgb kAnnunciatorBackground{90, 57, 140};
inline constexpr Rgb kSegment{255, 255, 255};

// A key at rest: outline, top-left highlight, body, bottom-right shadow.
inline constexpr Rgb kKeyOutline{122, 127, 148};
inline constexpr Rgb kKeyHighlight{255, 255, 255};
inline constexpr Rgb kKeyBody{231, 233, 240};
inline constexpr Rgb kKeyShadow{184, 188, 202};
// A key pressed in: darker body, shadow along the top, a thin lit edge at the bottom.
inline constexpr Rgb kPressedOutline{96, 100, 118};
inline constexpr Rgb kPressedShadow{108, 112, 130};
inline constexpr Rgb kPressedBody{142, 146, 161};
inline constexpr Rgb kPressedHighlight{168, 172, 186};
}  // namespace colour

// The panel's colour on row y, a horizontal band: dark purple at the top, light blue in the
// middle, dark purple again under the figures where the annunciators stand. `row` counts the
// pixels of a picture drawn at `scale`.
Rgb panelColour(int row, int scale = 1);

}  // namespace tabulor::facegen
