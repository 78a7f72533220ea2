#pragma once
// Where the faceplate's pixels land on the screen at a zoom and a device-pixel ratio. Each
// faceplate pixel becomes a square of whole device pixels, so the picture stays crisp even where
// the ratio is fractional; positions map back to the faceplate pixel under them.

#include "faceplate/rect.h"

namespace tabulor {

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 4;

struct ZoomGeometry {
    int zoom = 1;                   // what the user chose, 1..4
    double devicePixelRatio = 1.0;  // device pixels per logical pixel

    // Device pixels per faceplate pixel: the zoom in device pixels, rounded, at least 1.
    int scale() const;
    // The window's logical size, covering the scaled faceplate.
    int logicalWidth() const;
    int logicalHeight() const;
    // The faceplate pixel under a logical position (floor), which may lie outside the faceplate.
    int faceplateCoordinate(double logical) const;
    // The logical rectangle (right and bottom exclusive) covering a faceplate rectangle.
    Rect logicalRect(const Rect& faceplateRect) const;
    // The faceplate rectangle covering a logical one.
    Rect faceplateRect(const Rect& logicalRect) const;
};

// The scale of the picture set drawn for a device scale: the same one up to the largest set, and
// the largest beyond it, enlarged from there.
int imageSetScale(int deviceScale);

// The largest zoom whose window fits `width` × `height` logical pixels at a device-pixel ratio;
// the smallest zoom when none does, as there is nothing smaller to draw.
int largestZoomWithin(int width, int height, double devicePixelRatio);

}  // namespace tabulor
