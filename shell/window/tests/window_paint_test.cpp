// What the window draws: the faceplate as the memory surface draws it, at every zoom, and
// only the regions the rules name.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QTest>

#include "faceplate/faceplate.h"
#include "faceplate/faceplate_images.h"
#include "faceplate/geometry.h"
#include "faceplate/image_table.h"
#include "faceplate/rgb_surface.h"
#include "shell/resources/embedded_images.h"
#include "shell/window/image_set_loader.h"
#include "shell/window/qt_image_cache.h"
#include "shell/window/tests/window_fixture.h"

namespace tabulor::testing {
namespace {

// The window's 32-bit copy of a bitmap agrees, pixel for pixel, with reading the bitmap one
// pixel at a time: for every image, and for one whose short colour table leaves most indices
// without an entry (black).
TEST(ImageConversion, EveryPixelTakesItsTableColour) {
    std::vector<Image> images;
    for (const int id :
         {ImageId::Face, ImageId::ShiftedFace, ImageId::GlyphStrip, ImageId::ShiftAnnunciator,
          ImageId::BeginAnnunciator, ImageId::PendAnnunciator, ImageId::BatteryAnnunciator,
          ImageId::ErrorStrip, ImageId::PressedFace, ImageId::PressedShiftedFace}) {
        const std::unique_ptr<Image> image = loadImage(embeddedImages(), id);
        ASSERT_NE(image, nullptr) << id;
        images.push_back(*image);
    }
    Image shortTable = images.front();
    shortTable.bytes[32] = 2;  // two colours used
    shortTable.bytes[33] = 0;
    images.push_back(shortTable);

    for (const Image& image : images) {
        ASSERT_TRUE(imageIsComplete(image));
        const QImage converted = toRgb32(image);
        ASSERT_EQ(converted.width(), imageWidth(image));
        ASSERT_EQ(converted.height(), imageHeight(image));
        int differing = 0;
        for (int y = 0; y < converted.height(); ++y) {
            for (int x = 0; x < converted.width(); ++x) {
                const PaletteEntry want = tableColour(image, pixelIndex(image, x, y));
                if (converted.pixel(x, y) != qRgb(want.red, want.green, want.blue)) ++differing;
            }
        }
        EXPECT_EQ(differing, 0);
    }
    Image cut = images.front();
    cut.bytes.resize(cut.bytes.size() - 1);
    EXPECT_TRUE(toRgb32(cut).isNull());
}

// A larger scale's picture is drawn from its own bytes, not a second copy, and reads top row
// first as the image does.
TEST(ImageConversion, TrueColourPicturesAreReadWhereTheyLie) {
    FaceplateImages set;
    ASSERT_TRUE(loadFaceplateImages(set, embeddedImages(), 2));
    const Image& image = *set.faces[0];
    QtImageCache cache;
    const QImage& shown = cache.get(image);
    EXPECT_EQ(shown.constBits(), imageRow(image, 0));
    ASSERT_EQ(shown.size(), QSize(imageWidth(image), imageHeight(image)));
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        const std::uint8_t* row = imageRow(image, y);
        for (int x = 0; x < shown.width(); ++x) {
            const std::uint8_t* bgr = row + 4 * x;
            if (shown.pixel(x, y) != qRgb(bgr[2], bgr[1], bgr[0])) ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(toRgb32(image), shown);
}

// Waits, as the window does, for the loader to hand over what it decoded.
void settleLoader(const ImageSetLoader& loader) {
    QDeadlineTimer deadline(10000);
    while (loader.loading() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    QCoreApplication::processEvents();
}

// Asked for one scale and then another before the first is decoded, the loader ends with the
// last one asked for and announces only it; asked for none, it keeps nothing.
TEST(ImageSetLoader, EndsWithTheSetLastAskedFor) {
    ImageSetLoader loader(embeddedImages());
    std::vector<int> announced;
    QObject::connect(&loader, &ImageSetLoader::loaded,
                     [&](int scale) { announced.push_back(scale); });
    loader.want(2);
    loader.want(3);
    settleLoader(loader);
    EXPECT_EQ(announced, std::vector<int>{3});
    EXPECT_EQ(loader.at(2), nullptr);
    ASSERT_NE(loader.at(3), nullptr);
    EXPECT_EQ(loader.at(3)->scale, 3);

    loader.want(4);
    loader.want(1);
    settleLoader(loader);
    EXPECT_EQ(announced, std::vector<int>{3});
    for (const int scale : {1, 2, 3, 4})
        EXPECT_EQ(loader.at(scale), nullptr) << scale;
}

// Counts the faceplate pixels where the window differs from the memory surface's drawing.
int differingPixels(const QImage& shot, const RgbSurface& expected, int zoom) {
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const Colour want = expected.pixel(x, y);
            // Every screen pixel of a zoomed faceplate pixel must carry its colour.
            for (int dy = 0; dy < zoom; ++dy) {
                for (int dx = 0; dx < zoom; ++dx) {
                    const QRgb got = shot.pixel(x * zoom + dx, y * zoom + dy);
                    if (qRed(got) != want.red || qGreen(got) != want.green ||
                        qBlue(got) != want.blue) {
                        ++differing;
                        dx = dy = zoom;
                    }
                }
            }
        }
    }
    return differing;
}

// The faceplate as the memory surface draws it from the picture set the window draws with.
RgbSurface expectedPicture(const MainWindow& window, const Calculator& calculator) {
    const int k = window.view()->drawnScale();
    FaceplateImages set;
    const FaceplateImages* images = k == 1 ? &window.session().images()
                                    : loadFaceplateImages(set, embeddedImages(), k) ? &set
                                                                                    : nullptr;
    RgbSurface expected(faceplate::kWidth * k, faceplate::kHeight * k);
    if (images != nullptr) paintFaceplate(*images, calculator, expected, scaled(kClientRect, k));
    return expected;
}

class WindowPaint : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(WindowPaint, WindowShowsTheFaceplateWithAHeldShiftedKey) {
    open(GetParam());
    tapKey(Key::Shift);
    for (const KeyCode code : {Key::Digit1, Key::Digit2})
        tapKey(code);
    tapKey(Key::Shift);
    const QPoint held = keyCentre(Key::Payment);
    press(held.x(), held.y());
    settlePainted();
    // Hide the strip so only the faceplate is on screen.
    ASSERT_TRUE(window->session().fullScreen());

    // Drawn for the zoom from the set of its scale, not enlarged.
    ASSERT_EQ(window->view()->drawnScale(), GetParam());
    const RgbSurface expected = expectedPicture(*window, calculator());
    const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.width(), faceplate::kWidth * GetParam());
    ASSERT_EQ(shot.height(), faceplate::kHeight * GetParam());
    EXPECT_EQ(differingPixels(shot, expected, 1), 0);
}

INSTANTIATE_TEST_SUITE_P(Zooms, WindowPaint, ::testing::Values(1, 2, 3, 4));

class Repaints : public WindowTest {
  protected:
    void SetUp() override { open(); }
};

TEST_F(Repaints, PenDownRepaintsAllAndPenUpTheKeypad) {
    const QPoint at = keyCentre(Key::Digit9);
    press(at.x(), at.y());
    EXPECT_EQ(settlePainted().boundingRect(), QRect(0, 0, 240, 294));
    release(at.x(), at.y());
    EXPECT_EQ(settlePainted(), QRegion(toQRect(faceplate::kKeypadRect)));
}

TEST_F(Repaints, RepaintsAtZoomCoverTheScaledRegion) {
    open(2);
    const QPoint at = keyCentre(Key::Digit9);
    press(at.x(), at.y());
    settlePainted();
    release(at.x(), at.y());
    EXPECT_EQ(settlePainted(), QRegion(toQRect(faceplate::kKeypadRect)));
}

}  // namespace
}  // namespace tabulor::testing

namespace tabulor::testing {
namespace {

// Run a second time by ctest with QT_SCALE_FACTOR=1.5 (TABULOR_EXPECT_RATIO says so): where the
// device scale is a multiple of the set drawn, every pixel of the set must be a square of whole
// device pixels of its own colour; and a press must land on the faceplate pixel drawn under it.
class DeviceRatio : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(DeviceRatio, FaceplatePixelsAreWholeSquaresOfDevicePixels) {
    open(GetParam());
    const double ratio = window->devicePixelRatioF();
    if (qEnvironmentVariableIsSet("TABULOR_EXPECT_RATIO")) {
        ASSERT_DOUBLE_EQ(ratio, qEnvironmentVariable("TABULOR_EXPECT_RATIO").toDouble());
    }
    const int scale = window->view()->zoomGeometry().scale();
    const int drawn = window->view()->drawnScale();
    ASSERT_EQ(drawn, std::min(scale, kMaxScale));
    // Enlarged smoothly where the scales do not divide: no whole squares to compare.
    const bool whole = scale % drawn == 0;
    const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GE(shot.width(), faceplate::kWidth * scale);
    ASSERT_GE(shot.height(), faceplate::kHeight * scale);
    if (whole) {
        EXPECT_EQ(differingPixels(shot, expectedPicture(*window, calculator()), scale / drawn), 0);
    }

    // The first device pixel of the cell right of the gap at x = 49, at its logical position.
    const QPointF inside((50 * scale + 0.5) / ratio, (160 * scale + 0.5) / ratio);
    QTest::mousePress(window->view(), Qt::LeftButton, {}, inside.toPoint());
    const int x = window->view()->zoomGeometry().faceplateCoordinate(inside.toPoint().x());
    EXPECT_EQ(calculator().heldKey.has_value(), x >= 50);

    // The held key, drawn by a repaint of the whole window, still lands square on its pixels.
    settlePainted();
    const QImage heldShot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (whole) {
        EXPECT_EQ(differingPixels(heldShot, expectedPicture(*window, calculator()), scale / drawn),
                  0);
    }
}

INSTANTIATE_TEST_SUITE_P(Zooms, DeviceRatio, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace tabulor::testing
