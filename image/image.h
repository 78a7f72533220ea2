#pragma once
// In-memory copies of packed 8-bit device-independent bitmaps (40-byte header, 256-entry colour
// table of blue-green-red-zero quads, bottom-up rows padded to 4 bytes), and of the larger
// scales' true-colour ones (the same header, no table, 4 bytes a pixel: blue, green, red, 255,
// rows top-down as a negative height says, so that a window can draw them where they lie).
// Platform-free: the faceplate's drawing layer interprets them.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <vector>

namespace tabulor {

inline constexpr std::size_t kBitmapHeaderSize = 40;

// Image bytes start on a cache line, so where the pixel rows fall against cache lines does not
// depend on what the heap happened to hold before the images were loaded.
template <typename T>
struct CacheLineAllocator {
    using value_type = T;
    static constexpr std::align_val_t kAlignment{64};

    CacheLineAllocator() = default;
    template <typename U>
    constexpr CacheLineAllocator(const CacheLineAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        return static_cast<T*>(::operator new(n * sizeof(T), kAlignment));
    }
    // The unsized form: clang offers the sized one only with -fsized-deallocation.
    void deallocate(T* p, std::size_t) noexcept { ::operator delete(p, kAlignment); }
    friend bool operator==(const CacheLineAllocator&, const CacheLineAllocator&) = default;
};

struct Image {
    // Header, colour table and pixel rows, as stored.
    std::vector<std::uint8_t, CacheLineAllocator<std::uint8_t>> bytes;
};

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;
};

// Where the program's bitmaps come from. find() yields an empty span for an unknown id, and may
// be called from more than one thread at once: the window decodes on a thread of its own.
class ImageStore {
  public:
    virtual ~ImageStore() = default;
    virtual std::span<const std::uint8_t> find(int id) const = 0;
};

// A copy of the bitmap with that id, or null when the store has none (or it is too short to be
// a bitmap header).
std::unique_ptr<Image> loadImage(const ImageStore& store, int id);

// The header's colours-used count if not 0, otherwise by bits per pixel (1: 2, 4: 16, 8: 256,
// other: 0). A null image counts 0.
std::uint16_t colourCount(const Image* image);

// Header fields and pixel access, for the drawing layer and the tests. Rows are addressed from
// the top (y = 0 is the top row) however they are stored; the height is the rows' count.
std::int32_t imageWidth(const Image& image);
std::int32_t imageHeight(const Image& image);
// True when the header's height is negative: row 0 is stored first.
bool imageIsTopDown(const Image& image);
std::uint16_t imageBitsPerPixel(const Image& image);
std::size_t imageRowStride(const Image& image);
// From a row to the one below it in the bytes: the stride, negative for bottom-up rows.
std::ptrdiff_t imageRowStep(const Image& image);
// Offset of the pixel array: the header size plus the colour table.
std::size_t imagePixelOffset(const Image& image);
// True when the image has 8 or 32 bits a pixel and the header, colour table and every row lie
// inside the bytes: the only images the drawing layer reads pixels from.
bool imageIsComplete(const Image& image);
// 32 bits a pixel: colours in the pixels themselves, no table.
bool imageIsTrueColour(const Image& image);
// A true-colour image of that size, every pixel black, top-down; null for a size
// imageIsComplete refuses.
std::unique_ptr<Image> makeTrueColourImage(std::int32_t width, std::int32_t height);
// The first pixel of row y (0 = top) of a complete image, one byte a pixel (four for true
// colour).
const std::uint8_t* imageRow(const Image& image, std::int32_t y);
std::uint8_t pixelIndex(const Image& image, std::int32_t x, std::int32_t y);
// The colour-table entry for a pixel index (flags 0); black when the table has no such entry.
PaletteEntry tableColour(const Image& image, std::uint8_t index);

}  // namespace tabulor
