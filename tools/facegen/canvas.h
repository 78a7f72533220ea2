#pragma once
// A full-colour picture the artwork is painted on before it is reduced to the shared palette.
// Channels are doubles so that anti-aliased edges blend exactly onto the designed ramps.

#include <cstdint>
#include <functional>
#include <vector>

namespace tabulor::facegen {

struct Rgb {
    double red = 0;
    double green = 0;
    double blue = 0;
};

Rgb mix(const Rgb& from, const Rgb& to, double amount);  // amount 0 gives from, 1 gives to

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // rows top to bottom
};

Canvas makeCanvas(int width, int height, const Rgb& fill);
Rgb& at(Canvas& canvas, int x, int y);
const Rgb& at(const Canvas& canvas, int x, int y);

// Blends `colour` over the pixel with the given coverage (0..1); points outside are ignored.
void blend(Canvas& canvas, int x, int y, const Rgb& colour, double coverage);

struct Box {
    double left = 0;  // continuous coordinates: pixel (x, y) covers [x, x + 1) × [y, y + 1)
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The share of pixel (x, y) inside a rounded rectangle, from 8 × 8 samples.
double roundedBoxCoverage(const Box& box, double radius, int x, int y);

// Paints a rounded rectangle, anti-aliased at its edges.
void fillRoundedBox(Canvas& canvas, const Box& box, double radius, const Rgb& colour);

// Copies `source` into `target` with its top-left corner at (x, y).
void paste(Canvas& target, const Canvas& source, int x, int y);

}  // namespace tabulor::facegen
