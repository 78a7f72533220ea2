#pragma once
// Where things lie on the 240 × 294 faceplate, in faceplate pixels (right and bottom exclusive).

#include <cstdint>

#include "engine/key_table.h"

namespace tabulor::faceplate {

inline constexpr std::int32_t kWidth = 240;
inline constexpr std::int32_t kHeight = 294;

// The display's cells: cell i's glyph lies at x = kCellLeft + kCellPitch·i, y = kCellTop.
inline constexpr std::int32_t kCellLeft = 5;
inline constexpr std::int32_t kCellPitch = 18;
inline constexpr std::int32_t kCellTop = 10;
inline constexpr std::int32_t kGlyphWidth = 14;
inline constexpr std::int32_t kGlyphHeight = 35;

// The error strip's bands, each one annunciator high.
inline constexpr std::int32_t kErrorBandHeight = 6;

inline constexpr Rect kShiftRect{15, 48, 40, 54};
inline constexpr Rect kBeginRect{105, 48, 130, 54};
inline constexpr Rect kPendRect{60, 48, 85, 54};
inline constexpr Rect kBatteryRect{205, 49, 221, 54};
inline constexpr Rect kErrorRect{145, 48, 198, 54};

// The regions the window repaints on its own: after a message expires, after pen-up.
inline constexpr Rect kDisplayRect{3, 3, 236, 54};
inline constexpr Rect kKeypadRect{3, 57, 234, 291};

}  // namespace tabulor::faceplate
