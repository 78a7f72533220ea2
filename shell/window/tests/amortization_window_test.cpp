// The amortization dialog's Ctrl+C: the whole table as a spreadsheet takes it, not the one cell
// the table's own Ctrl+C would copy. (The rest of the dialog is in script/e2e-atspi.)
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTableView>
#include <QTest>

#include "shell/window/key_map.h"
#include "shell/window/tests/window_fixture.h"

namespace tabulor::testing {
namespace {

class AmortizationWindow : public WindowTest {};

TEST_F(AmortizationWindow, CtrlCInTheTableCopiesTheWholeScheduleAsColumns) {
    open();
    for (const char typed : std::string_view("360n7.75i180000p0fm"))
        tapKey(*keyForCharacter(typed));
    window->showAmortization();
    AmortizationDialog* dialog = window->amortizationDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    // The offscreen platform leaves the calculator active, whose Ctrl+C copies the display.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    auto* table = dialog->findChild<QTableView*>("scheduleTable");
    ASSERT_NE(table, nullptr);
    table->setFocus();
    table->setCurrentIndex(table->model()->index(5, 2));
    QGuiApplication::clipboard()->clear();

    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);

    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    // The header, 360 payments, the total, and the last newline.
    ASSERT_EQ(lines.size(), 363) << lines.join(" | ").toStdString();
    EXPECT_EQ(lines[0], "payment\tinterest\tprincipal\tbalance");
    EXPECT_TRUE(lines[12].startsWith("12\t")) << lines[12].toStdString();
    EXPECT_TRUE(lines[12].endsWith("\t178420.18")) << lines[12].toStdString();
    EXPECT_EQ(lines[360], "360\t-8.29\t-1281.25\t3.00");
    EXPECT_TRUE(lines[361].startsWith("total\t")) << lines[361].toStdString();
}

}  // namespace
}  // namespace tabulor::testing
