// The desktop additions on the real window: the keyboard and the zoom.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "faceplate/faceplate.h"
#include "faceplate/geometry.h"
#include "faceplate/rgb_surface.h"
#include "shell/window/tests/window_fixture.h"

namespace tabulor::testing {
namespace {

struct TypedKey {
    Qt::Key key;
    const char* text;
    Qt::KeyboardModifiers modifiers;
    KeyCode code;
};

// One entry for each documented key of the keyboard map.
const TypedKey kTypedKeys[] = {
    {Qt::Key_0, "0", {}, Key::Digit0},
    {Qt::Key_1, "1", {}, Key::Digit1},
    {Qt::Key_2, "2", {}, Key::Digit2},
    {Qt::Key_3, "3", {}, Key::Digit3},
    {Qt::Key_4, "4", {}, Key::Digit4},
    {Qt::Key_5, "5", Qt::KeypadModifier, Key::Digit5},
    {Qt::Key_6, "6", {}, Key::Digit6},
    {Qt::Key_7, "7", {}, Key::Digit7},
    {Qt::Key_8, "8", {}, Key::Digit8},
    {Qt::Key_9, "9", {}, Key::Digit9},
    {Qt::Key_Period, ".", {}, Key::Point},
    {Qt::Key_Comma, ",", {}, Key::Point},
    {Qt::Key_Plus, "+", Qt::ShiftModifier, Key::Add},
    {Qt::Key_Minus, "-", {}, Key::Subtract},
    {Qt::Key_Asterisk, "*", Qt::ShiftModifier, Key::Multiply},
    {Qt::Key_X, "X", Qt::ShiftModifier, Key::Multiply},
    {Qt::Key_Slash, "/", {}, Key::Divide},
    {Qt::Key_Return, "\r", {}, Key::Equals},
    {Qt::Key_Enter, "\r", Qt::KeypadModifier, Key::Equals},
    {Qt::Key_Equal, "=", {}, Key::Equals},
    {Qt::Key_Backspace, "\b", {}, Key::Backspace},
    {Qt::Key_Escape, "\x1b", {}, Key::Clear},
    {Qt::Key_ParenLeft, "(", Qt::ShiftModifier, Key::OpenParen},
    {Qt::Key_ParenRight, ")", Qt::ShiftModifier, Key::CloseParen},
    {Qt::Key_Percent, "%", Qt::ShiftModifier, Key::Percent},
    {Qt::Key_F9, "", {}, Key::ChangeSign},
    {Qt::Key_S, "s", {}, Key::Shift},
    {Qt::Key_O, "o", {}, Key::On},
    {Qt::Key_R, "r", {}, Key::Recall},
    {Qt::Key_N, "n", {}, Key::N},
    {Qt::Key_I, "i", {}, Key::InterestPerYear},
    {Qt::Key_P, "p", {}, Key::PresentValue},
    {Qt::Key_M, "M", Qt::ShiftModifier, Key::Payment},
    {Qt::Key_F, "f", {}, Key::FutureValue},
};

void sendKey(QWidget* widget, QEvent::Type type, const TypedKey& typed, bool repeat = false) {
    QKeyEvent event(type, typed.key, typed.modifiers, QString::fromLatin1(typed.text), repeat);
    QCoreApplication::sendEvent(widget, &event);
}

// The window's picture of the faceplate against the memory surface's, over one rectangle.
bool showsFaceplate(MainWindow& window, const Rect& area) {
    RgbSurface expected(faceplate::kWidth, faceplate::kHeight);
    paintFaceplate(window.session().images(), *window.session().calculator(), expected,
                   Rect{0, 0, faceplate::kWidth, faceplate::kHeight});
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int zoom = window.view()->zoom();
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const Colour want = expected.pixel(x, y);
            const QRgb got = shot.pixel(x * zoom, y * zoom);
            if (qRed(got) != want.red || qGreen(got) != want.green || qBlue(got) != want.blue) {
                return false;
            }
        }
    }
    return true;
}

class Keyboard : public WindowTest {
  protected:
    void SetUp() override { open(); }
};

TEST_F(Keyboard, EachMappedKeyPressesItsKeyAndDrawsItHeld) {
    for (const TypedKey& typed : kTypedKeys) {
        SCOPED_TRACE(typed.text);
        open();
        sendKey(window->view(), QEvent::KeyPress, typed);
        EXPECT_EQ(calculator().heldKey, typed.code);
        EXPECT_EQ(settlePainted().boundingRect(), QRect(0, 0, 240, 294));
        EXPECT_TRUE(showsFaceplate(*window, faceplate::keyCell(typed.code)));
        settlePainted();  // grabbing paints the window too
        sendKey(window->view(), QEvent::KeyRelease, typed);
        EXPECT_FALSE(calculator().heldKey.has_value());
        EXPECT_EQ(settlePainted(), QRegion(toQRect(faceplate::kKeypadRect)));
    }
}

TEST_F(Keyboard, HeldKeyDrawnPressedUntilKeyUp) {
    const TypedKey seven{Qt::Key_7, "7", {}, Key::Digit7};
    const Rect cell = faceplate::keyCell(Key::Digit7);
    const QImage before = window->grab().toImage().copy(toQRect(cell));
    sendKey(window->view(), QEvent::KeyPress, seven);
    settlePainted();
    EXPECT_NE(window->grab().toImage().copy(toQRect(cell)), before);
    sendKey(window->view(), QEvent::KeyRelease, seven);
    settlePainted();
    EXPECT_EQ(window->grab().toImage().copy(toQRect(cell)), before);
}

TEST_F(Keyboard, TypedKeysComputeAndShiftStaysOneShot) {
    const auto type = [&](Qt::Key key, const char* text) {
        const TypedKey typed{key, text, {}, 0};
        sendKey(window->view(), QEvent::KeyPress, typed);
        sendKey(window->view(), QEvent::KeyRelease, typed);
    };
    type(Qt::Key_1, "1");
    type(Qt::Key_2, "2");
    type(Qt::Key_S, "s");
    EXPECT_EQ(calculator().shift, ShiftState::On);
    type(Qt::Key_Plus, "+");  // shifted: x²
    EXPECT_EQ(calculator().shift, ShiftState::Off);
    EXPECT_DOUBLE_EQ(calculator().display->value, 144.0);
    type(Qt::Key_Minus, "-");
    type(Qt::Key_4, "4");
    type(Qt::Key_Return, "\r");
    EXPECT_DOUBLE_EQ(calculator().display->value, 140.0);
}

TEST_F(Keyboard, AutoRepeatAndASecondKeyDoNotPressAgain) {
    const TypedKey eight{Qt::Key_8, "8", {}, Key::Digit8};
    const TypedKey nine{Qt::Key_9, "9", {}, Key::Digit9};
    sendKey(window->view(), QEvent::KeyPress, eight);
    sendKey(window->view(), QEvent::KeyPress, eight, true);
    sendKey(window->view(), QEvent::KeyPress, eight, true);
    sendKey(window->view(), QEvent::KeyPress, nine);
    sendKey(window->view(), QEvent::KeyRelease, nine);
    EXPECT_TRUE(calculator().heldKey.has_value()) << "only the key that pressed releases";
    sendKey(window->view(), QEvent::KeyRelease, eight);
    EXPECT_FALSE(calculator().heldKey.has_value());
    clock.advance(3000);
    window->session().messageTick();
    EXPECT_DOUBLE_EQ(readNumber(*window->session().calculator()->display, false), 8.0);
}

TEST_F(Keyboard, ControlKeysAndUnmappedKeysPressNothing) {
    for (const TypedKey& typed :
         {TypedKey{Qt::Key_1, "1", Qt::ControlModifier, 0}, TypedKey{Qt::Key_Y, "y", {}, 0},
          TypedKey{Qt::Key_Space, " ", {}, 0}, TypedKey{Qt::Key_Shift, "", Qt::ShiftModifier, 0}}) {
        sendKey(window->view(), QEvent::KeyPress, typed);
        EXPECT_FALSE(calculator().heldKey.has_value()) << typed.text;
        sendKey(window->view(), QEvent::KeyRelease, typed);
    }
}

TEST_F(Keyboard, APenPressReleasesAKeyHeldOnTheKeyboard) {
    sendKey(window->view(), QEvent::KeyPress, TypedKey{Qt::Key_4, "4", {}, Key::Digit4});
    tapKey(Key::Digit5);
    EXPECT_FALSE(calculator().heldKey.has_value());
    clock.advance(3000);
    window->session().messageTick();
    EXPECT_DOUBLE_EQ(readNumber(*window->session().calculator()->display, false), 45.0);
}

class Zoom : public WindowTest {};

TEST_F(Zoom, AtZoomThreeEachScaledCellCentrePressesItsKeyAndGapsStayGaps) {
    open(3);
    ASSERT_EQ(window->width(), 720);
    ASSERT_EQ(window->height(), 882);
    for (KeyCode code = 0; code < kKeyCount; ++code) {
        SCOPED_TRACE(code);
        const Rect cell = faceplate::keyCell(code);
        const QPoint centre((cell.left + cell.right) * 3 / 2, (cell.top + cell.bottom) * 3 / 2);
        QTest::mousePress(window->view(), Qt::LeftButton, {}, centre);
        EXPECT_EQ(calculator().heldKey, code);
        QTest::mouseRelease(window->view(), Qt::LeftButton, {}, centre);
        if (window->session().calculator() == nullptr) break;
    }
    open(3);
    // Every screen pixel of the gap at x = 49 and of the one at y = 253.
    for (int d = 0; d < 3; ++d) {
        QTest::mousePress(window->view(), Qt::LeftButton, {}, QPoint(49 * 3 + d, 160 * 3));
        EXPECT_FALSE(calculator().heldKey.has_value());
        QTest::mousePress(window->view(), Qt::LeftButton, {}, QPoint(70 * 3, 253 * 3 + d));
        EXPECT_FALSE(calculator().heldKey.has_value());
        // The strips outside the keypad still switch full-screen mode.
        const bool before = window->session().fullScreen();
        QTest::mousePress(window->view(), Qt::LeftButton, {}, QPoint(235 * 3 + d, 160 * 3));
        EXPECT_NE(window->session().fullScreen(), before);
        EXPECT_FALSE(calculator().heldKey.has_value());
    }
}

// The test screen is 1280 x 1024: zoom 3 (882 high) fits it, zoom 4 (1176) does not.
TEST_F(Zoom, ControlPlusStopsAtTheLargestZoomTheScreenHoldsAndMinusAtOne) {
    const auto step = [&](Qt::Key key, int zoom) {
        QTest::keyClick(window->view(), key, Qt::ControlModifier);
        EXPECT_EQ(window->view()->zoom(), zoom);
        EXPECT_EQ(window->width(), 240 * zoom);
        EXPECT_EQ(window->height(), 294 * zoom);
    };
    open(2);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(window->screen()->availableGeometry().size(), QSize(1280, 1024));
    step(Qt::Key_Plus, 3);
    step(Qt::Key_Equal, 3);
    step(Qt::Key_Plus, 3);
    EXPECT_LE(window->frameGeometry().height(), 1024);
    step(Qt::Key_Minus, 2);
    step(Qt::Key_Minus, 1);
    step(Qt::Key_Minus, 1);
    EXPECT_FALSE(calculator().heldKey.has_value());

    // An explicit zoom is the user's to choose, even past the screen.
    open(4);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(window->view()->zoom(), 4);
    step(Qt::Key_Plus, 4);
    step(Qt::Key_Minus, 3);
    step(Qt::Key_Plus, 3);
}

// The strip is placed when it shows, so a zoom changed while it was hidden must still put it
// below the faceplate at the new zoom's scale; a zoom changed while it shows moves it at once.
TEST_F(Zoom, TheMenuStripLiesBelowTheFaceplateAfterEachZoom) {
    open(1);
    const auto expectBelow = [&](int zoom) {
        const QRect strip = window->menuStrip()->geometry();
        EXPECT_EQ(strip.top(), 294 * zoom);
        EXPECT_EQ(strip.bottom(), window->height() - 1);
        EXPECT_EQ(strip.width(), window->width());
        EXPECT_GE(strip.height(), 26 * zoom);
    };
    for (const int zoom : {3, 2}) {
        SCOPED_TRACE(zoom);
        window->setZoom(zoom);
        ASSERT_FALSE(window->menuStrip()->isVisible());
        tap(100, 20);
        ASSERT_TRUE(window->menuStrip()->isVisible());
        expectBelow(zoom);
        window->setZoom(zoom + 1);
        expectBelow(zoom + 1);
        tap(100, 20);
        ASSERT_FALSE(window->menuStrip()->isVisible());
        EXPECT_EQ(window->height(), 294 * (zoom + 1));
    }
}
}  // namespace
}  // namespace tabulor::testing
