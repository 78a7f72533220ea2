// The desktop additions on the real window: the keyboard, zoom, the clipboard and what screen
// readers are told.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "faceplate/faceplate.h"
#include "faceplate/geometry.h"
#include "faceplate/rgb_surface.h"
#include "shell/window/faceplate_accessible.h"
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

class Clipboard : public WindowTest {
  protected:
    void SetUp() override {
        open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        clock.advance(3000);
        window->session().messageTick();
    }
    void tapKeys(std::initializer_list<KeyCode> codes) {
        for (const KeyCode code : codes)
            tapKey(code);
    }
};

TEST_F(Clipboard, CtrlCCopiesTheNumberAsShown) {
    using namespace Key;
    tapKeys({Digit1, Digit2, Digit3, Digit4, Key::Point, Digit5, Equals});
    QTest::keyClick(window->view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1234.50");
    // The marks swapped: still a point and no grouping.
    tapKeys({Shift, Key::Point});
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(window->view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1234.50");
}

TEST_F(Clipboard, CtrlCDuringAMessageKeepsTheClipboard) {
    QGuiApplication::clipboard()->setText("before");
    tapKeys({Key::Shift, Key::Clear});
    ASSERT_TRUE(calculator().display->messageActive);
    QTest::keyClick(window->view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
}

TEST_F(Clipboard, CtrlVKeysANumber) {
    QGuiApplication::clipboard()->setText("-12.5e3");
    QTest::keyClick(window->view(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(calculator().display->entryPending);
    EXPECT_DOUBLE_EQ(readNumber(*window->session().calculator()->display, false), -12500.0);
    tapKey(Key::Add);
    QGuiApplication::clipboard()->setText("0.5");
    QTest::keyClick(window->view(), Qt::Key_V, Qt::ControlModifier);
    tapKey(Key::Equals);
    EXPECT_DOUBLE_EQ(calculator().display->value, -12499.5);
}

TEST_F(Clipboard, CtrlVReadsGroupingByTheMarksTheDisplayUses) {
    QGuiApplication::clipboard()->setText(QStringLiteral("(1,234.56)"));
    QTest::keyClick(window->view(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(readNumber(*window->session().calculator()->display, false), -1234.56);
    tapKeys({Key::Clear, Key::Shift, Key::Point});  // the comma becomes the decimal mark
    ASSERT_EQ(calculator().display->decimalMark, MarkCode::Comma);
    QGuiApplication::clipboard()->setText(QString::fromUtf8("\u20AC 1.234,5"));
    QTest::keyClick(window->view(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(readNumber(*window->session().calculator()->display, false), 1234.5);
    // Now the point groups, and what it groups here is no number.
    const auto cells = calculator().display->cells;
    QGuiApplication::clipboard()->setText(QStringLiteral("1,234.56"));
    QTest::keyClick(window->view(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(calculator().display->cells, cells);
}

TEST_F(Clipboard, CtrlVWithShiftArmedStillKeysDigits) {
    tapKey(Key::Shift);
    QGuiApplication::clipboard()->setText("42");
    QTest::keyClick(window->view(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(calculator().shift, ShiftState::Off);
    EXPECT_DOUBLE_EQ(readNumber(*window->session().calculator()->display, false), 42.0);
}

TEST_F(Clipboard, CtrlVOfTextThatIsNoNumberChangesNothing) {
    tapKeys({Key::Digit7, Key::Multiply});
    const Calculator& c = calculator();
    const auto cells = c.display->cells;
    const double value = c.display->value;
    settlePainted();
    for (const char* text : {"abc", "", "1.2.3", "12 34"}) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(window->view(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(c.display->cells, cells) << text;
        EXPECT_EQ(c.display->value, value) << text;
        EXPECT_TRUE(settlePainted().isEmpty()) << text;
    }
}

class Accessibility : public WindowTest {
  protected:
    void SetUp() override {
        open();
        auto* root = dynamic_cast<FaceplateAccessible*>(
            QAccessible::queryAccessibleInterface(window->view()));
        ASSERT_NE(root, nullptr);
        // Events a screen reader would get, caught in its place.
        root->setEventSink([this](QAccessibleEvent* event) {
            QAccessibleInterface* iface = event->accessibleInterface();
            events.emplace_back(event->type(),
                                iface != nullptr ? iface->text(QAccessible::Name) : QString());
        });
        clock.advance(3000);
        window->session().messageTick();
    }
    QAccessibleInterface* item(QAccessible::Role role, const QString& name = {}) {
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window->view());
        for (int i = 0; i < root->childCount(); ++i) {
            QAccessibleInterface* child = root->child(i);
            if (child != nullptr && child->role() == role &&
                (name.isEmpty() || child->text(QAccessible::Name) == name)) {
                return child;
            }
        }
        return nullptr;
    }

    std::vector<std::pair<QAccessible::Event, QString>> events;
};

TEST_F(Accessibility, TheDisplayReadsItsNumberAndAnnunciators) {
    QAccessibleInterface* display = item(QAccessible::StaticText);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->text(QAccessible::Name), "0.00");
    for (const KeyCode code : {Key::Digit1, Key::Add, Key::Digit2, Key::Equals})
        tapKey(code);
    EXPECT_EQ(display->text(QAccessible::Name), "3.00");
    tapKey(Key::Shift);
    EXPECT_EQ(display->text(QAccessible::Description), "SHIFT");
    const auto changed = std::find(events.begin(), events.end(),
                                   std::make_pair(QAccessible::NameChanged, QString("3.00")));
    EXPECT_NE(changed, events.end()) << "the new reading was announced";
    EXPECT_EQ(window->grab().size(), QSize(240, 294));
    EXPECT_EQ(display->rect().size(), QSize(233, 51));
}

// A reader's press action is a tap: the key goes down and up, SHIFT stays a one-shot, and the
// new reading is announced.
TEST_F(Accessibility, ThePressActionTapsTheKey) {
    const auto pressKey = [&](const char* name) {
        QAccessibleInterface* key = item(QAccessible::Button, QString::fromUtf8(name));
        ASSERT_NE(key, nullptr) << name;
        QAccessibleActionInterface* actions = key->actionInterface();
        ASSERT_NE(actions, nullptr) << name;
        ASSERT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_FALSE(calculator().heldKey.has_value()) << name;
    };
    settlePainted();
    for (const char* name : {"1", "+", "2", "="})
        pressKey(name);
    EXPECT_EQ(settlePainted().boundingRect(), QRect(0, 0, 240, 294));
    EXPECT_EQ(item(QAccessible::StaticText)->text(QAccessible::Name), "3.00");
    EXPECT_NE(std::find(events.begin(), events.end(),
                        std::make_pair(QAccessible::NameChanged, QString("3.00"))),
              events.end());
    pressKey("SHIFT");
    pressKey("+");  // x²
    EXPECT_EQ(calculator().shift, ShiftState::Off);
    EXPECT_DOUBLE_EQ(calculator().display->value, 9.0);
    EXPECT_EQ(item(QAccessible::StaticText)->actionInterface(), nullptr);
}

TEST_F(Accessibility, MessagesAreReadToo) {
    tapKey(Key::Digit1);
    tapKey(Key::Divide);
    tapKey(Key::Digit0);
    tapKey(Key::Equals);
    QAccessibleInterface* display = item(QAccessible::StaticText);
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->text(QAccessible::Description).contains("ERROR FUNC"));
}

TEST_F(Accessibility, KeysAreButtonsAndTheOneUnderThePointerTakesFocus) {
    int buttons = 0;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window->view());
    for (int i = 0; i < root->childCount(); ++i) {
        if (root->child(i)->role() == QAccessible::Button) ++buttons;
    }
    EXPECT_EQ(buttons, kKeyCount);
    QAccessibleInterface* pmt = item(QAccessible::Button, "PMT");
    ASSERT_NE(pmt, nullptr);
    EXPECT_EQ(pmt->text(QAccessible::Description), "With SHIFT: P/YR");

    events.clear();
    const QPoint centre = keyCentre(Key::Payment);
    QTest::mouseMove(window->view(), centre);
    EXPECT_EQ(window->view()->keyUnderPointer(), Key::Payment);
    EXPECT_TRUE(pmt->state().focused);
    EXPECT_NE(
        std::find(events.begin(), events.end(), std::make_pair(QAccessible::Focus, QString("PMT"))),
        events.end());
    EXPECT_EQ(root->childAt(window->mapToGlobal(centre).x(), window->mapToGlobal(centre).y()), pmt);
    QTest::mouseMove(window->view(), QPoint(49, 160));
    EXPECT_EQ(window->view()->keyUnderPointer(), std::nullopt);
}

}  // namespace
}  // namespace tabulor::testing
