#pragma once
// Legends set in a TrueType font through FreeType: hinted, anti-aliased coverage that the
// artwork blends onto a key in the legend's colour.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "canvas.h"
#include "text/utf8.h"

namespace tabulor::facegen {

// One loaded font face; the FreeType library and face are released with it.
class Font {
  public:
    // Empty (check ok()) when the file cannot be read as a font; `error` then says why.
    Font(const std::string& path, std::string& error);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    bool ok() const { return face_ != nullptr; }
    void* face() const { return face_; }

  private:
    void* library_ = nullptr;
    void* face_ = nullptr;
};

// Coverage of set text, 0..1 a pixel, with the bounding box of its ink.
struct Coverage {
    int width = 0;
    int height = 0;
    std::vector<double> values;
    int inkLeft = 0;  // the ink lies in [inkLeft, inkRight) × [inkTop, inkBottom)
    int inkTop = 0;
    int inkRight = 0;
    int inkBottom = 0;
    int baseline = 0;  // the row the main text stands on
};

// Sets one line at a pixel size, multiplied by `scale` (the superscripts' sizes too, so that a
// legend keeps its proportions at every scale). Markup: "^" raises the next character as a
// superscript. Returns false when the font lacks a character.
bool setLine(const Font& font, std::u32string_view line, int pixelSize, Coverage& out,
             int scale = 1);

// A caption's FreeType pixel sizes: its height, and a width that may be less, to narrow it.
struct CaptionSize {
    int height = 0;
    int width = 0;
};

// The size whose capitals are at most `capRows` high, narrowed until the ink of `text` is at
// most `maxWidth` wide. False when the font lacks a character or it cannot be narrowed enough.
bool fitCaption(const Font& font, std::string_view text, int capRows, int maxWidth,
                CaptionSize& size);

// Sets a line of plain characters (no markup) at that size. False when the font lacks one.
bool setCaption(const Font& font, std::string_view text, CaptionSize size, Coverage& out);

// The height of the font's capitals at a pixel size, as rendered (the ink of "H").
int capHeight(const Font& font, int pixelSize);

// Blends the coverage in `colour` with its ink box's top-left corner at (x, y).
void drawInk(Canvas& canvas, const Coverage& coverage, int x, int y, const Rgb& colour);

}  // namespace tabulor::facegen
