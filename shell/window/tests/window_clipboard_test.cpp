// The clipboard on the real window, and what screen readers are told.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "shell/window/faceplate_accessible.h"
#include "shell/window/tests/window_fixture.h"

namespace tabulor::testing {
namespace {

class Clipboard : public WindowTest {
  protected:
    void SetUp() override { openActive(); }
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
