#pragma once
// The four faces: the case, the display panel and the 30 keys, with or without the shifted
// legends highlighted, at rest or with every key pressed.

#include <string>

#include "canvas.h"
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

// False, with a message in `error`, if a legend cannot be set (a character the font lacks, or
// a legend too wide for its key).
bool drawFace(const Fonts& fonts, FaceKind kind, Canvas& face, std::string& error);

}  // namespace tabulor::facegen
