#pragma once
// The one geometry of the 240 × 294 faceplate, in faceplate pixels: the key cells by row and
// column, the keypad and the display, the display's cells and marks, and where each annunciator
// and error band lies. The drawing, the hit test, the window and the artwork generator all read
// it; constant and free of the platform, so that the generator can use it without linking.

#include <array>
#include <cstdint>

#include "display/annunciator_names.h"
#include "display/glyph.h"
#include "engine/key_table.h"
#include "faceplate/rect.h"

namespace tabulor::faceplate {

inline constexpr std::int32_t kWidth = 240;
inline constexpr std::int32_t kHeight = 294;
inline constexpr Rect kFaceRect{0, 0, kWidth, kHeight};

// The key cells, one pixel apart: what a hit must land in, and what a pressed key redraws.
inline constexpr std::int32_t kKeyColumnPitch = 47;
inline constexpr std::int32_t kKeyRowPitch = 40;
inline constexpr std::int32_t kKeyCellWidth = 46;
inline constexpr std::int32_t kKeyCellHeight = 39;
inline constexpr Point kBottomLeftCell{3, 254};

// The cell of column 0..4 and row 0..5 counted from the bottom.
constexpr Rect keyCellAt(int column, int row) {
    const std::int32_t left = kBottomLeftCell.x + kKeyColumnPitch * column;
    const std::int32_t top = kBottomLeftCell.y - kKeyRowPitch * row;
    return Rect{left, top, left + kKeyCellWidth, top + kKeyCellHeight};
}

constexpr Rect keyCell(KeyCode code) {
    return keyCellAt(keyColumn(code), keyRow(code));
}

// The regions the window repaints on its own: after a message expires, after pen-up. A pen-down
// outside the keypad presses nothing.
inline constexpr Rect kDisplayRect{3, 3, 236, 54};
inline constexpr Rect kKeypadRect{3, 57, 234, 291};

// The display panel as the face draws it, rounded corners and all.
inline constexpr Rect kPanelRect{4, 3, 236, 55};

// The display's cells: cell i's glyph lies at x = kCellLeft + kCellPitch·i, y = kCellTop.
inline constexpr std::int32_t kCellLeft = 5;
inline constexpr std::int32_t kCellPitch = 18;
inline constexpr std::int32_t kCellTop = 10;
inline constexpr std::int32_t kGlyphWidth = 14;
inline constexpr std::int32_t kGlyphHeight = 35;

constexpr Rect glyphCell(int cell) {
    const std::int32_t left = kCellLeft + kCellPitch * cell;
    return Rect{left, kCellTop, left + kGlyphWidth, kCellTop + kGlyphHeight};
}

// A mark's pixels from its cell's left edge: the point sits in the gap after the glyph, level
// with the bottom segment's lower rows; the comma adds a tail down and to the left, into the
// rows below the figures.
inline constexpr std::array<Point, 4> kPointPixels{{{15, 41}, {16, 41}, {15, 42}, {16, 42}}};
inline constexpr std::array<Point, 2> kCommaTailPixels{{{16, 43}, {15, 44}}};
// The box both marks lie in, x from the cell's left edge: what a larger scale's mark picture
// covers.
inline constexpr Rect kMarkRect{15, 41, 17, 45};

inline constexpr Rect kShiftRect{15, 48, 40, 54};
inline constexpr Rect kBeginRect{105, 48, 130, 54};
inline constexpr Rect kPendRect{60, 48, 85, 54};
inline constexpr Rect kBatteryRect{205, 49, 221, 54};
inline constexpr Rect kErrorRect{145, 48, 198, 54};

// The error strip: a blank band, then one band for each named error code, each as high as the
// place it is shown in.
inline constexpr std::int32_t kErrorBandHeight = kErrorRect.height();
inline constexpr int kErrorBandCount = static_cast<int>(kErrorBandNames.size());

constexpr bool errorHasBand(ErrorCode error) {
    return static_cast<int>(error) >= 1 && static_cast<int>(error) < kErrorBandCount;
}

}  // namespace tabulor::faceplate
