// The tape and register panels on the real window: what the tape records from every way a key
// is pressed, where the panels go, what Ctrl+C copies where, and the registers as the display
// would show them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "shell/window/tests/window_fixture.h"
#include "tape/tape_text.h"

namespace tabulor::testing {
namespace {

class Panels : public WindowTest {
  protected:
    void SetUp() override { openActive(); }
    void ctrl(Qt::Key key, QWidget* to = nullptr) {
        QTest::keyClick(to != nullptr ? to : window->view(), key, Qt::ControlModifier);
    }
    void pressAccessibly(const char* name) {
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window->view());
        for (int i = 0; i < root->childCount(); ++i) {
            QAccessibleInterface* key = root->child(i);
            if (key->role() == QAccessible::Button && key->text(QAccessible::Name) == name) {
                key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                return;
            }
        }
        ADD_FAILURE() << "no key " << name;
    }
    const TapeStore& tape() const { return window->session().tape(); }
};

TEST_F(Panels, TheTapeRecordsEveryWayAKeyIsPressedBeforeThePanelIsMade) {
    using namespace Key;
    tapKeys({Digit1, Add});                // the pen
    QTest::keyClick(window->view(), '2');  // the keyboard, and x for ×
    QTest::keyClick(window->view(), 'x');
    pressAccessibly("3");  // a screen reader's press action
    pressAccessibly("=");
    QGuiApplication::clipboard()->setText("4");
    ctrl(Qt::Key_V);  // a paste's typed keys
    window->resetCalculator();
    tapKeys({Shift, Clear});  // C ALL: the tape outlives it
    const std::vector<std::pair<std::string, std::string>> expected{
        {"1", "+"}, {"2", "×"}, {"3", "="}, {"4", std::string(kResetKey)}, {"", "C ALL"}};
    ASSERT_EQ(tape().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(tape()[i].keyed, expected[i].first) << i;
        EXPECT_EQ(tape()[i].key, expected[i].second) << i;
    }
    EXPECT_EQ(window->panels()->tapePanel(), nullptr);
    EXPECT_EQ(window->panels()->registerView(), nullptr);

    // Shown beside the faceplate, never over it, with every line so far; hidden again.
    ctrl(Qt::Key_T);
    const TapePanel* panel = window->panels()->tapePanel();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry().left(), window->view()->width());
    EXPECT_EQ(window->width(), window->view()->width() + panel->width());
    EXPECT_EQ(window->view()->pos(), QPoint(0, 0));
    const QAbstractItemModel* lines = panel->list()->model();
    ASSERT_EQ(lines->rowCount(), 5);
    EXPECT_EQ(lines->index(1, 0).data().toString().toStdString(), tapeText(tape()[1]));
    EXPECT_EQ(lines->index(1, 0).data(Qt::AccessibleTextRole).toString(), "2 × 3.00 [PEND]");
    ctrl(Qt::Key_T);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(window->width(), window->view()->width());
}

TEST_F(Panels, CtrlCCopiesTheSelectedLinesInTheTapeAndTheNumberOnTheFaceplate) {
    using namespace Key;
    tapKeys({Digit1, Add, Digit2, Equals});
    ctrl(Qt::Key_T);
    CopyingListView* list = window->panels()->tapePanel()->list();
    list->setFocus();
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::Select);
    ctrl(Qt::Key_C, list);
    const QString both = QString::fromStdString(tapeText(tape()[0]) + "\n" + tapeText(tape()[1]));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), both);
    window->view()->setFocus();
    ctrl(Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "3.00");
}

TEST_F(Panels, TheTapeKeepsTheLastLinesAndSaysHowManyGaveWay) {
    ctrl(Qt::Key_T);
    const TapePanel* panel = window->panels()->tapePanel();
    window->session().tapKey(Key::Digit5);
    window->session().tapKey(Key::Add);
    for (std::size_t i = 0; i < kTapeLineLimit; ++i)
        window->session().tapKey(Key::Multiply);
    const QAbstractItemModel* lines = panel->list()->model();
    ASSERT_EQ(lines->rowCount(), static_cast<int>(kTapeLineLimit));
    EXPECT_EQ(lines->index(0, 0).data().toString().toStdString(), tapeText(tape()[0]));
    EXPECT_EQ(tape()[0].key, "×");
    EXPECT_TRUE(panel->droppedNote()->isVisibleTo(panel));
    EXPECT_EQ(panel->droppedNote()->text(), "1 older line dropped; the last 10,000 are kept");
    window->panels()->clearTapeAction()->trigger();
    EXPECT_EQ(lines->rowCount(), 0);
    EXPECT_FALSE(panel->droppedNote()->isVisibleTo(panel));
}

TEST_F(Panels, TheRegisterViewShowsEachKeysResultInTheDisplaysFormat) {
    using namespace Key;
    ctrl(Qt::Key_R);
    const RegisterView* view = window->panels()->registerView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->geometry().left(), window->view()->width());
    tapKeys({Digit3, Digit6, Digit0, N, Digit6, Key::Point, Digit5, InterestPerYear, Digit3, Digit5,
             Digit0, Digit0, Digit0, Digit0, PresentValue, Digit0, FutureValue, Payment});
    const QStandardItem* pmt = view->model()->item(3);
    ASSERT_NE(pmt, nullptr);
    EXPECT_TRUE(pmt->text().endsWith("-2,212.24")) << pmt->text().toStdString();
    EXPECT_TRUE(pmt->font().bold());
    EXPECT_FALSE(view->model()->item(4)->font().bold());  // FV holds 0
    EXPECT_TRUE(pmt->toolTip().startsWith("PMT -2212.238")) << pmt->toolTip().toStdString();
    // DISP 4, then the marks swapped: the view follows at once.
    tapKeys({Shift, Equals, Digit4, Shift, Key::Point});
    EXPECT_EQ(pmt->data(Qt::AccessibleTextRole).toString(), "PMT -2.212,2381");
    CopyingListView* list = view->list();
    list->setFocus();
    list->selectionModel()->select(list->model()->index(3, 0), QItemSelectionModel::Select);
    ctrl(Qt::Key_C, list);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "-2212.2381");
}

}  // namespace
}  // namespace tabulor::testing
