#include "pixel_font.h"

#include <array>
#include <string_view>

namespace tabulor::facegen {

namespace {

struct PixelLetter {
    char letter;
    std::array<std::string_view, kPixelFontHeight> rows;  // '#' lit, all rows of one width
};

// Only the letters the annunciators and error texts use.
constexpr std::array<PixelLetter, 21> kLetters{{
    {'A', {".##.", "#..#", "#..#", "####", "#..#", "#..#"}},
    {'B', {"###.", "#..#", "###.", "#..#", "#..#", "###."}},
    {'C', {".###", "#...", "#...", "#...", "#...", ".###"}},
    {'D', {"###.", "#..#", "#..#", "#..#", "#..#", "###."}},
    {'E', {"####", "#...", "###.", "#...", "#...", "####"}},
    {'F', {"####", "#...", "###.", "#...", "#...", "#..."}},
    {'G', {".###", "#...", "#...", "#.##", "#..#", ".###"}},
    {'H', {"#..#", "#..#", "####", "#..#", "#..#", "#..#"}},
    {'I', {"###", ".#.", ".#.", ".#.", ".#.", "###"}},
    {'L', {"#...", "#...", "#...", "#...", "#...", "####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#..#", "##.#", "#.##", "#..#", "#..#", "#..#"}},
    {'O', {".##.", "#..#", "#..#", "#..#", "#..#", ".##."}},
    {'P', {"###.", "#..#", "#..#", "###.", "#...", "#..."}},
    {'R', {"###.", "#..#", "#..#", "###.", "#.#.", "#..#"}},
    {'S', {".###", "#...", ".##.", "...#", "...#", "###."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#..#", "#..#", "#..#", "#..#", "#..#", ".##."}},
    {'V', {"#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}},
    {' ', {"..", "..", "..", "..", "..", ".."}},
    {'/', {"...#", "...#", "..#.", ".#..", "#...", "#..."}},
}};

const PixelLetter* findLetter(char letter) {
    for (const PixelLetter& entry : kLetters) {
        if (entry.letter == letter) return &entry;
    }
    return nullptr;
}

}  // namespace

int pixelTextWidth(std::string_view text) {
    int width = 0;
    for (const char letter : text) {
        const PixelLetter* entry = findLetter(letter);
        if (entry == nullptr) continue;
        if (width > 0) width += 1;
        width += static_cast<int>(entry->rows[0].size());
    }
    return width;
}

bool drawPixelText(Canvas& canvas, std::string_view text, int x, int y, const Rgb& colour) {
    int pen = x;
    bool first = true;
    for (const char letter : text) {
        const PixelLetter* entry = findLetter(letter);
        if (entry == nullptr) return false;
        if (!first) pen += 1;
        first = false;
        for (int row = 0; row < kPixelFontHeight; ++row) {
            const std::string_view bits = entry->rows[static_cast<std::size_t>(row)];
            for (std::size_t col = 0; col < bits.size(); ++col) {
                if (bits[col] == '#')
                    blend(canvas, pen + static_cast<int>(col), y + row, colour, 1);
            }
        }
        pen += static_cast<int>(entry->rows[0].size());
    }
    return true;
}

}  // namespace tabulor::facegen
