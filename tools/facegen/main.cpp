// tabulor-facegen: draws the faceplate's ten bitmaps, the same pictures at scales 2 to 4, and
// the application icon.
//
//   tabulor-facegen RESOURCES_DIR [--fonts DIR] [--preview DIR]
//
// Writes the bitmaps into RESOURCES_DIR, the larger scales into RESOURCES_DIR/scaleN and the
// icons into RESOURCES_DIR/icons. The output depends only on the fonts and the FreeType, libpng
// and zlib versions, so running it twice changes nothing. --preview also writes each scale-1
// picture in full colour and as reduced to the palette, as PNG.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "design.h"
#include "display/annunciator_names.h"
#include "faceplate/image_table.h"
#include "icon.h"
#include "image_files.h"
#include "palette.h"
#include "pictures.h"
#include "text.h"

namespace tabulor::facegen {
namespace {

// The colours whose in-between shades must all be there: legends over key bodies, and the
// edges of keys and panel over the case.
bool designPalette(SharedPalette& palette) {
    using namespace colour;
    bool ok = addColour(palette, toRgb8(kCase));
    ok = addColour(palette, toRgb8(kAnnunciatorBackground)) && ok;
    for (int y = faceplate::kPanelRect.top; y < faceplate::kPanelRect.bottom; ++y)
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

constexpr const char* kUsage =
    "usage: tabulor-facegen RESOURCES_DIR [--fonts DIR] [--preview DIR]\n";

struct Options {
    std::string outDir;
    std::string fontDir = "/usr/share/fonts/truetype/dejavu";
    std::string previewDir;
};

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fonts" && i + 1 < argc) {
            options.fontDir = argv[++i];
        } else if (arg == "--preview" && i + 1 < argc) {
            options.previewDir = argv[++i];
        } else if (options.outDir.empty() && !arg.starts_with("--")) {
            options.outDir = arg;
        } else {
            return false;
        }
    }
    return !options.outDir.empty();
}

bool writePicture(const Picture& picture, const SharedPalette& palette, const Options& options,
                  std::string& error) {
    const IndexedImage reduced = reduce(palette, picture.canvas);
    if (!writeBitmap(options.outDir + "/" + picture.file, reduced, palette, picture.coloursUsed,
                     error)) {
        return false;
    }
    if (options.previewDir.empty()) return true;
    std::filesystem::create_directories(options.previewDir);
    const std::string stem = std::filesystem::path(picture.file).stem().string();
    return writePreview(options.previewDir + "/" + stem + "-full.png", picture.canvas, error) &&
           writePreview(options.previewDir + "/" + stem + ".png", fromIndices(reduced, palette),
                        error);
}

// A larger scale's pictures: full colour, no palette, as PNG.
bool writeScale(const Fonts& fonts, int scale, const std::string& outDir, std::size_t& written,
                std::string& error) {
    Captions captions;
    if (!makeCaptions(fonts.bold, scale, captions)) {
        error = "the display captions cannot be set at scale " + std::to_string(scale);
        return false;
    }
    std::filesystem::create_directories(outDir + "/scale" + std::to_string(scale));
    std::vector<ImageFacts> images(kImageTable.begin(), kImageTable.end());
    images.insert(images.end(), kLargerImageTable.begin(), kLargerImageTable.end());
    {
        for (const ImageFacts& image : images) {
            Picture picture;
            if (!drawPicture(image, fonts, captions, picture, error)) return false;
            std::vector<std::uint8_t> rgb;
            rgb.reserve(picture.canvas.pixels.size() * 3);
            for (const Rgb& pixel : picture.canvas.pixels) {
                const Rgb8 c = toRgb8(pixel);
                rgb.insert(rgb.end(), {c.red, c.green, c.blue});
            }
            if (!writePngRgb(outDir + "/" + picture.file, picture.canvas.width,
                             picture.canvas.height, rgb, error)) {
                return false;
            }
            ++written;
        }
    }
    return true;
}

bool writeIcons(const std::string& outDir, std::string& error) {
    for (const int size : kIconSizes) {
        const std::string path = outDir + "/icons/tabulor-" + std::to_string(size) + ".png";
        if (!writePngRgba(path, size, size, drawIcon(size), error)) return false;
    }
    return true;
}

int fail(const std::string& error) {
    std::fprintf(stderr, "tabulor-facegen: %s\n", error.c_str());
    return 1;
}

int run(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string error;
    const Font bold(options.fontDir + "/DejaVuSans-Bold.ttf", error);
    const Font regular(options.fontDir + "/DejaVuSans.ttf", error);
    if (!bold.ok() || !regular.ok()) return fail(error + " (is fonts-dejavu-core installed?)");
    const Fonts fonts{bold, regular};

    Captions pixelCaptions;
    makeCaptions(bold, 1, pixelCaptions);
    std::vector<Picture> pictures(kImageTable.size());
    for (std::size_t i = 0; i < kImageTable.size(); ++i) {
        if (!drawPicture(kImageTable[i], fonts, pixelCaptions, pictures[i], error)) {
            return fail(error);
        }
    }
    SharedPalette palette = makeSystemPalette();
    if (!designPalette(palette)) {
        return fail("the designed colours need more than " +
                    std::to_string(kLastFreeIndex - kFirstArtworkIndex + 1) + " entries");
    }
    const int designed = palette.nextFree - kFirstArtworkIndex;
    std::vector<const Canvas*> canvases;
    for (const Picture& picture : pictures)
        canvases.push_back(&picture.canvas);
    fillFromArtwork(palette, canvases);

    std::filesystem::create_directories(options.outDir + "/icons");
    for (const Picture& picture : pictures) {
        if (!writePicture(picture, palette, options, error)) return fail(error);
    }
    std::size_t larger = 0;
    for (int scale = 2; scale <= kMaxScale; ++scale) {
        if (!writeScale(fonts, scale, options.outDir, larger, error)) return fail(error);
    }
    if (!writeIcons(options.outDir, error)) return fail(error);
    std::printf(
        "tabulor-facegen: wrote %zu bitmaps, %zu larger pictures and %zu icons to %s; palette: "
        "%d designed + %d matched colours\n",
        pictures.size(), larger, kIconSizes.size(), options.outDir.c_str(), designed,
        palette.nextFree - kFirstArtworkIndex - designed);
    return 0;
}

}  // namespace
}  // namespace tabulor::facegen

int main(int argc, char** argv) {
    return tabulor::facegen::run(argc, argv);
}
