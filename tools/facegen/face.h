#pragma once
// The four faces: the case, the display panel and the 30 keys, with or without the shifted
// legends highlighted, at rest or with every key pressed.

#include <string>
#include <vector>

#include "canvas.h"
#include "engine/key_table.h"
#include "text.h"

namespace tabulor::facegen {

struct Fonts {
    const Font& bold;
    const Font& regular;
};

struct FaceKind {
    bool shifted = false;
    bool pressed = false;
};

enum class Role { Big, Small };

struct LegendLine {
    std::u32string text;
    Role role = Role::Big;
    Rgb colour;
    bool startsLegend = false;  // the first line of the primary or of the shifted legend
    int preferredSize = 0;      // before narrowing; the same for every line of one legend
};

// The legends of one key on one face, top to bottom.
std::vector<LegendLine> legendLines(const KeyFacts& key, FaceKind kind);

// The face at a scale of 1 to 4: laid out at scale 1, drawn at the scale's size. False, with a
// message in `error`, if a legend cannot be set (a character the font lacks, or a legend too
// wide for its key).
bool drawFace(const Fonts& fonts, FaceKind kind, int scale, Canvas& face, std::string& error);

}  // namespace tabulor::facegen
