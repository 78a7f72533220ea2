#include "face.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "design.h"
#include "faceplate/geometry.h"

namespace tabulor::facegen {

namespace {

// The key body inside its 46 × 39 cell. It keeps 3 pixels from the cell's top, left and right
// and 2 from its bottom, so the parts of a cell that the window does not repaint after pen-up
// look the same pressed and released.
constexpr Box kBody{3, 3, 43, 37};
constexpr double kBodyRadius = 5;
constexpr double kLegendCentreX = 23;
constexpr double kLegendCentreY = 19;  // one lower when pressed
constexpr int kLegendMaxWidth = 34;
// The body's face between its bevels is 29 rows; a pixel is kept clear above and below, so
// that a stack of three lines does not run into the bevel's highlight.
constexpr int kLegendMaxHeight = 27;

bool isSymbolic(const std::u32string& text) {
    return std::none_of(text.begin(), text.end(), [](char32_t c) {
        return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
    });
}

// The size a line starts from before it is narrowed to fit the key.
int preferredSize(const std::u32string& text, Role role) {
    std::size_t visible = 0;
    for (const char32_t c : text)
        visible += c == U'^' ? 0 : 1;
    // A lone operator sign has little ink; at the small size it would shrink to a speck.
    if (role == Role::Small) return visible == 1 && isSymbolic(text) ? 11 : 9;
    if (visible == 1) return isSymbolic(text) || (text[0] >= U'0' && text[0] <= U'9') ? 18 : 14;
    if (text.find(U'^') != std::u32string::npos || text.find(U'\u221A') != std::u32string::npos) {
        return 15;
    }
    return 12;
}

struct SetLine {
    const LegendLine* line = nullptr;
    int size = 0;  // the pixel size it was set at
    Coverage coverage;
    int height = 0;       // what the line takes in the stack
    bool byCaps = false;  // stands on its baseline, capitals centred; else centred by its ink
    Rgb colour;
    int gapBefore = 0;
};

bool setLegendLine(const Fonts& fonts, const LegendLine& line, int shrink, SetLine& out,
                   std::string& error) {
    const Font& font = fonts.bold;
    const int start = line.preferredSize - (line.role == Role::Big ? shrink : 0);
    for (int size = start; size >= 6; --size) {
        if (!setLine(font, line.text, size, out.coverage)) {
            error = "the legend font lacks a character of a legend";
            return false;
        }
        if (out.coverage.inkRight - out.coverage.inkLeft <= kLegendMaxWidth) {
            // Every line takes the height of the font's capitals, so that symbols and words of
            // one size stand alike; symbols are centred on that height by their ink.
            out.byCaps = !isSymbolic(line.text);
            out.line = &line;
            out.size = size;
            out.height = capHeight(font, size);
            out.colour = line.colour;
            return true;
        }
    }
    error = "a legend is too wide for its key";
    return false;
}

void appendLegend(std::vector<LegendLine>& lines, std::string_view legend, Role role,
                  const Rgb& colour) {
    // The legends test holds every face to the key table's legends, so one that is not UTF-8
    // (and draws as nothing here) cannot pass unseen.
    std::u32string text = decodeUtf8(legend).value_or(std::u32string());
    const std::size_t firstLine = lines.size();
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(U'\n', start), text.size());
        std::u32string part = text.substr(start, end - start);
        const int size = preferredSize(part, role);
        lines.push_back({std::move(part), role, colour, lines.size() == firstLine, size});
        start = end + 1;
    }
    // The lines of one legend read as one label ("EFF" over "%"), so they share the size of
    // the line that wants the smallest.
    int shared = lines[firstLine].preferredSize;
    for (std::size_t i = firstLine; i < lines.size(); ++i)
        shared = std::min(shared, lines[i].preferredSize);
    for (std::size_t i = firstLine; i < lines.size(); ++i)
        lines[i].preferredSize = shared;
}

// Where a legend line's ink goes on the face, its top-left corner.
struct InkPlace {
    int left = 0;
    int top = 0;
};

// A line placed at scale 1, drawn at `scale`: set again at the scale's size, with its ink
// centred where the scale-1 ink's centre lies (a word's baseline where its baseline lies), so
// that every scale shows the same layout.
bool drawLineAtScale(const Fonts& fonts, const SetLine& line, InkPlace place, int scale,
                     Canvas& face, std::string& error) {
    const Coverage& c = line.coverage;
    if (scale == 1) {
        drawInk(face, c, place.left, place.top, line.colour);
        return true;
    }
    Coverage big;
    if (!setLine(fonts.bold, line.line->text, line.size, big, scale)) {
        error = "the legend font lacks a character of a legend";
        return false;
    }
    const double centreX = (place.left + (c.inkRight - c.inkLeft) / 2.0) * scale;
    const int left =
        static_cast<int>(std::floor(centreX - (big.inkRight - big.inkLeft) / 2.0 + 0.5));
    int top = 0;
    if (line.byCaps) {
        const int baseline = (place.top + c.baseline - c.inkTop) * scale;
        top = baseline - (big.baseline - big.inkTop);
    } else {
        const double centreY = (place.top + (c.inkBottom - c.inkTop) / 2.0) * scale;
        top = static_cast<int>(std::floor(centreY - (big.inkBottom - big.inkTop) / 2.0 + 0.5));
    }
    drawInk(face, big, left, top, line.colour);
    return true;
}

// Fits the stack to the key's face: first closes the gap between the primary and the shifted
// legend by a pixel, and only then shrinks the large legend, which should stay large.
bool fitLegends(const Fonts& fonts, const std::vector<LegendLine>& lines, std::vector<SetLine>& set,
                int& total, std::string& error) {
    for (int shrink = 0; shrink <= 6; ++shrink) {
        for (const int legendGap : {3, 2}) {
            set.clear();
            total = 0;
            for (const LegendLine& line : lines) {
                SetLine out;
                if (!setLegendLine(fonts, line, shrink, out, error)) return false;
                if (!set.empty()) out.gapBefore = line.startsLegend ? legendGap : 2;
                total += out.gapBefore + out.height;
                set.push_back(std::move(out));
            }
            if (total <= kLegendMaxHeight) return true;
        }
    }
    error = "the legends are too tall for their key";
    return false;
}

bool drawLegends(const Fonts& fonts, const KeyFacts& key, FaceKind kind, Canvas& face, int cellLeft,
                 int cellTop, int scale, std::string& error) {
    const std::vector<LegendLine> lines = legendLines(key, kind);
    std::vector<SetLine> set;
    int total = 0;
    if (!fitLegends(fonts, lines, set, total, error)) return false;
    const double centreY = kLegendCentreY + (kind.pressed ? 1 : 0);
    int top = cellTop + static_cast<int>(std::floor(centreY - total / 2.0 + 0.5));
    for (const SetLine& line : set) {
        top += line.gapBefore;
        const Coverage& c = line.coverage;
        const int inkWidth = c.inkRight - c.inkLeft;
        const int inkHeight = c.inkBottom - c.inkTop;
        const int left = cellLeft +
                         static_cast<int>(std::floor(kLegendCentreX - inkWidth / 2.0 + 0.5)) +
                         (kind.pressed ? 1 : 0);
        const int inkTop =
            line.byCaps ? top + line.height - (c.baseline - c.inkTop)
                        : top + static_cast<int>(std::floor((line.height - inkHeight) / 2.0 + 0.5));
        if (!drawLineAtScale(fonts, line, {left, inkTop}, scale, face, error)) return false;
        top += line.height;
    }
    return true;
}

// Every measure is in scale-1 pixels and multiplied by the scale: outlines, bevels and corners
// keep their proportions.
void drawKeyBody(Canvas& face, int cellLeft, int cellTop, bool pressed, int scale) {
    const auto box = [&](double left, double top, double right, double bottom) {
        return Box{(cellLeft + left) * scale, (cellTop + top) * scale, (cellLeft + right) * scale,
                   (cellTop + bottom) * scale};
    };
    const auto fill = [&](const Box& area, double radius, const Rgb& colour) {
        facegen::fillRoundedBox(face, area, radius * scale, colour);
    };
    const Box& b = kBody;
    if (!pressed) {
        // Lit from the top left: a thin highlight there, a deeper shadow at the bottom right.
        fill(box(b.left, b.top, b.right, b.bottom), kBodyRadius, colour::kKeyOutline);
        fill(box(b.left + 1, b.top + 1, b.right - 1, b.bottom - 1), kBodyRadius - 1,
             colour::kKeyShadow);
        fill(box(b.left + 1, b.top + 1, b.right - 2, b.bottom - 3), kBodyRadius - 1,
             colour::kKeyHighlight);
        fill(box(b.left + 2, b.top + 2, b.right - 2, b.bottom - 3), kBodyRadius - 2,
             colour::kKeyBody);
    } else {
        // Pushed in: the shadow falls along the top and left, the bottom edge catches the light.
        fill(box(b.left, b.top, b.right, b.bottom), kBodyRadius, colour::kPressedOutline);
        fill(box(b.left + 1, b.top + 1, b.right - 1, b.bottom - 1), kBodyRadius - 1,
             colour::kPressedHighlight);
        fill(box(b.left + 1, b.top + 1, b.right - 2, b.bottom - 2), kBodyRadius - 1,
             colour::kPressedShadow);
        fill(box(b.left + 2, b.top + 3, b.right - 2, b.bottom - 2), kBodyRadius - 2,
             colour::kPressedBody);
    }
}

void drawPanel(Canvas& face, int scale) {
    constexpr double kRadius = 4;
    constexpr Rect area = faceplate::kPanelRect;
    const Box panel{static_cast<double>(area.left * scale), static_cast<double>(area.top * scale),
                    static_cast<double>(area.right * scale),
                    static_cast<double>(area.bottom * scale)};
    for (int y = area.top * scale; y < area.bottom * scale; ++y) {
        const Rgb colour = panelColour(y, scale);
        for (int x = area.left * scale; x < area.right * scale; ++x)
            blend(face, x, y, colour, roundedBoxCoverage(panel, kRadius * scale, x, y));
    }
}

}  // namespace

// The legends of one key on one face, top to bottom.
std::vector<LegendLine> legendLines(const KeyFacts& key, FaceKind kind) {
    const Rgb blue = kind.pressed ? colour::kPressedLegend : colour::kLegendBlue;
    const Rgb red = kind.pressed ? colour::kPressedLegend : colour::kLegendRed;
    std::vector<LegendLine> lines;
    const Rgb primaryColour = key.legendInRed ? red : blue;
    const std::string_view shifted = drawnShiftedLegend(key);
    if (shifted.empty()) {
        appendLegend(lines, drawnLegend(key), Role::Big, primaryColour);
    } else if (!kind.shifted) {
        appendLegend(lines, drawnLegend(key), Role::Big, primaryColour);
        appendLegend(lines, shifted, Role::Small, red);
    } else {
        appendLegend(lines, drawnLegend(key), Role::Small, primaryColour);
        appendLegend(lines, shifted, Role::Big, red);
    }
    return lines;
}

bool drawFace(const Fonts& fonts, FaceKind kind, int scale, Canvas& face, std::string& error) {
    face = makeCanvas(faceplate::kWidth * scale, faceplate::kHeight * scale, colour::kCase);
    drawPanel(face, scale);
    for (const KeyFacts& key : kKeyTable) {
        const Rect cell = faceplate::keyCell(key.code);
        const int cellLeft = cell.left;
        const int cellTop = cell.top;
        drawKeyBody(face, cellLeft, cellTop, kind.pressed, scale);
        if (!drawLegends(fonts, key, kind, face, cellLeft, cellTop, scale, error)) {
            error += " (key " + std::to_string(key.code) + ")";
            return false;
        }
    }
    return true;
}

}  // namespace tabulor::facegen
