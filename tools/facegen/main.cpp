// tabulor-facegen: draws the faceplate's ten bitmaps and the application icon.
//
//   tabulor-facegen RESOURCES_DIR [--fonts DIR] [--preview DIR]
//
// Writes the bitmaps into RESOURCES_DIR and the icons into RESOURCES_DIR/icons. The output
// depends only on the fonts and the FreeType version, so running it twice changes nothing.
// --preview also writes each picture in full colour and as reduced to the palette, as PNG.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "design.h"
#include "display_art.h"
#include "face.h"
#include "icon.h"
#include "image_files.h"
#include "palette.h"
#include "text.h"

namespace tabulor::facegen {
namespace {

struct Picture {
    std::string file;
    std::uint32_t coloursUsed;  // the header's count: 0 for the faces and the glyph strip
    Canvas canvas;
};

// The colours whose in-between shades must all be there: legends over key bodies, and the
// edges of keys and panel over the case.
bool designPalette(SharedPalette& palette) {
    using namespace colour;
    bool ok = addColour(palette, toRgb8(kCase));
    ok = addColour(palette, toRgb8(kAnnunciatorBackground)) && ok;
    for (int y = facegen::kPanelTop; y < facegen::kPanelBottom; ++y)
        ok = addColour(palette, toRgb8(panelColour(y))) && ok;
    constexpr int kLegendSteps = 16;
    ok = addRamp(palette, kKeyBody, kLegendBlue, kLegendSteps) && ok;
    ok = addRamp(palette, kKeyBody, kLegendRed, kLegendSteps) && ok;
    ok = addRamp(palette, kPressedBody, kPressedLegend, kLegendSteps) && ok;
    constexpr int kEdgeSteps = 5;
    ok = addRamp(palette, kCase, kKeyOutline, kEdgeSteps) && ok;
    ok = addRamp(palette, kKeyOutline, kKeyShadow, kEdgeSteps) && ok;
    ok = addRamp(palette, kKeyOutline, kKeyHighlight, kEdgeSteps) && ok;
    ok = addRamp(palette, kKeyHighlight, kKeyBody, kEdgeSteps) && ok;
    ok = addRamp(palette, kKeyShadow, kKeyBody, kEdgeSteps) && ok;
    ok = addRamp(palette, kCase, kPressedOutline, kEdgeSteps) && ok;
    ok = addRamp(palette, kPressedOutline, kPressedShadow, kEdgeSteps) && ok;
    ok = addRamp(palette, kPressedOutline, kPressedHighlight, kEdgeSteps) && ok;
    ok = addRamp(palette, kPressedShadow, kPressedBody, kEdgeSteps) && ok;
    ok = addRamp(palette, kPressedHighlight, kPressedBody, kEdgeSteps) && ok;
    return ok;
}

bool writePreview(const std::string& path, const Canvas& canvas, std::string& error) {
    std::vector<std::uint8_t> rgba;
    for (const Rgb& pixel : canvas.pixels) {
        const Rgb8 c = toRgb8(pixel);
        rgba.insert(rgba.end(), {c.red, c.green, c.blue, 255});
    }
    return writePngRgba(path, canvas.width, canvas.height, rgba, error);
}

Canvas fromIndices(const IndexedImage& image, const SharedPalette& palette) {
    Canvas canvas = makeCanvas(image.width, image.height, Rgb{});
    for (std::size_t i = 0; i < image.indices.size(); ++i) {
        const Rgb8 c = palette.table[image.indices[i]];
        canvas.pixels[i] = Rgb{static_cast<double>(c.red), static_cast<double>(c.green),
                               static_cast<double>(c.blue)};
    }
    return canvas;
}

int run(int argc, char** argv) {
    std::string outDir;
    std::string fontDir = "/usr/share/fonts/truetype/dejavu";
    std::string previewDir;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fonts" && i + 1 < argc) {
            fontDir = argv[++i];
        } else if (arg == "--preview" && i + 1 < argc) {
            previewDir = argv[++i];
        } else if (outDir.empty() && !arg.starts_with("--")) {
            outDir = arg;
        } else {
            std::fprintf(stderr,
                         "usage: tabulor-facegen RESOURCES_DIR [--fonts DIR] [--preview DIR]\n");
            return 2;
        }
    }
    if (outDir.empty()) {
        std::fprintf(stderr,
                     "usage: tabulor-facegen RESOURCES_DIR [--fonts DIR] [--preview DIR]\n");
        return 2;
    }

    std::string error;
    const Font bold(fontDir + "/DejaVuSans-Bold.ttf", error);
    const Font regular(fontDir + "/DejaVuSans.ttf", error);
    if (!bold.ok() || !regular.ok()) {
        std::fprintf(stderr, "tabulor-facegen: %s (is fonts-dejavu-core installed?)\n",
                     error.c_str());
        return 1;
    }
    const Fonts fonts{bold, regular};

    std::vector<Picture> pictures;
    const struct {
        const char* file;
        FaceKind kind;
    } faces[] = {{"face.bmp", {false, false}},
                 {"face_shifted.bmp", {true, false}},
                 {"face_pressed.bmp", {false, true}},
                 {"face_shifted_pressed.bmp", {true, true}}};
    for (const auto& face : faces) {
        Picture picture{face.file, 0, {}};
        if (!drawFace(fonts, face.kind, picture.canvas, error)) {
            std::fprintf(stderr, "tabulor-facegen: %s: %s\n", face.file, error.c_str());
            return 1;
        }
        pictures.push_back(std::move(picture));
    }
    pictures.push_back({"glyphs.bmp", 0, drawGlyphStrip()});
    Picture errors{"error_strip.bmp", 256, {}};
    bool lettersOk = drawErrorStrip(errors.canvas);
    pictures.push_back(std::move(errors));
    for (const auto& [file, text] :
         {std::pair{"annunciator_shift.bmp", "SHIFT"}, std::pair{"annunciator_begin.bmp", "BEGIN"},
          std::pair{"annunciator_pend.bmp", "PEND"}}) {
        Picture picture{file, 256, {}};
        lettersOk = drawAnnunciator(picture.canvas, text) && lettersOk;
        pictures.push_back(std::move(picture));
    }
    pictures.push_back({"annunciator_battery.bmp", 256, drawBatteryAnnunciator()});
    if (!lettersOk) {
        std::fprintf(stderr, "tabulor-facegen: the pixel font lacks a letter\n");
        return 1;
    }

    SharedPalette palette = makeSystemPalette();
    if (!designPalette(palette)) {
        std::fprintf(stderr, "tabulor-facegen: the designed colours need more than %d entries\n",
                     kLastFreeIndex - kFirstArtworkIndex + 1);
        return 1;
    }
    const int designed = palette.nextFree - kFirstArtworkIndex;
    std::vector<const Canvas*> canvases;
    for (const Picture& picture : pictures)
        canvases.push_back(&picture.canvas);
    fillFromArtwork(palette, canvases);

    std::filesystem::create_directories(outDir + "/icons");
    for (const Picture& picture : pictures) {
        const IndexedImage reduced = reduce(palette, picture.canvas);
        if (!writeBitmap(outDir + "/" + picture.file, reduced, palette, picture.coloursUsed,
                         error)) {
            std::fprintf(stderr, "tabulor-facegen: %s\n", error.c_str());
            return 1;
        }
        if (!previewDir.empty()) {
            std::filesystem::create_directories(previewDir);
            const std::string stem = std::filesystem::path(picture.file).stem().string();
            if (!writePreview(previewDir + "/" + stem + "-full.png", picture.canvas, error) ||
                !writePreview(previewDir + "/" + stem + ".png", fromIndices(reduced, palette),
                              error)) {
                std::fprintf(stderr, "tabulor-facegen: %s\n", error.c_str());
                return 1;
            }
        }
    }
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const std::string path = outDir + "/icons/tabulor-" + std::to_string(size) + ".png";
        if (!writePngRgba(path, size, size, drawIcon(size), error)) {
            std::fprintf(stderr, "tabulor-facegen: %s\n", error.c_str());
            return 1;
        }
    }
    std::printf(
        "tabulor-facegen: wrote %zu bitmaps and 6 icons to %s; palette: %d designed + %d "
        "matched colours\n",
        pictures.size(), outDir.c_str(), designed,
        palette.nextFree - kFirstArtworkIndex - designed);
    return 0;
}

}  // namespace
}  // namespace tabulor::facegen

int main(int argc, char** argv) {
    return tabulor::facegen::run(argc, argv);
}
