// The window's life: the message timer, the Tools commands and accelerators, the About box,
// the ways it ends, start-up failure and the single running copy.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <future>

#include "faceplate/geometry.h"
#include "faceplate/image_table.h"
#include "shell/instance/instance_folder.h"
#include "shell/instance/single_instance.h"
#include "shell/resources/embedded_images.h"
#include "shell/window/about_box.h"
#include "shell/window/build_info.h"
#include "shell/window/key_map.h"
#include "shell/window/start_up.h"
#include "shell/window/tests/window_fixture.h"

namespace tabulor::testing {
namespace {

class Lifecycle : public WindowTest {
  protected:
    void SetUp() override { open(); }

    // Runs the application's event loop until the window ends it, or fails after a while.
    int runUntilExit() {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(5000);
        return QCoreApplication::exec();
    }

    // Calls `inspect` with the About box once it is open, then presses its OK button.
    void whileAboutIsOpen(std::function<void(AboutBox&)> inspect) {
        QTimer::singleShot(0, [this, inspect] {
            AboutBox* box = window->aboutBox();
            ASSERT_NE(box, nullptr);
            inspect(*box);
            auto* buttons = box->findChild<QDialogButtonBox*>();
            ASSERT_NE(buttons, nullptr);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
    }

    void activate() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

TEST_F(Lifecycle, BannerExpiresOnTheFirstTickAfterTwoSeconds) {
    ASSERT_TRUE(calculator().display->messageActive);
    clock.advance(2000);
    window->session().messageTick();
    EXPECT_TRUE(calculator().display->messageActive);
    EXPECT_TRUE(settlePainted().isEmpty());
    clock.advance(1);
    window->session().messageTick();
    EXPECT_FALSE(calculator().display->messageActive);
    EXPECT_EQ(settlePainted(), QRegion(toQRect(faceplate::kDisplayRect)));
}

TEST_F(Lifecycle, NoMessageExpiresWhileAKeyIsHeld) {
    clock.advance(2001);
    window->session().messageTick();
    tapKey(Key::Shift);
    // C ALL shows the P/YR message; hold the key past the message's time.
    const QPoint clear = keyCentre(Key::Clear);
    press(clear.x(), clear.y());
    ASSERT_TRUE(calculator().display->messageActive);
    settlePainted();
    clock.advance(5000);
    window->session().messageTick();
    EXPECT_TRUE(calculator().display->messageActive);
    release(clear.x(), clear.y());
    EXPECT_EQ(settlePainted(), QRegion(toQRect(faceplate::kKeypadRect)));
    window->session().messageTick();
    EXPECT_FALSE(calculator().display->messageActive);
}

TEST_F(Lifecycle, TimerRunsEveryHalfSecond) {
    EXPECT_TRUE(window->session().messageTimer()->isActive());
    EXPECT_EQ(window->session().messageTimer()->interval(), 500);
}

TEST_F(Lifecycle, AboutFromTheMenuShowsTheBoxAndReturnsToFullScreen) {
    tap(100, 20);
    ASSERT_FALSE(window->session().fullScreen());
    bool inspected = false;
    whileAboutIsOpen([&](AboutBox& box) {
        inspected = true;
        EXPECT_EQ(box.windowTitle(), "About Tabulor");
        EXPECT_FALSE(window->session().messageTimer()->isActive());
        EXPECT_TRUE(window->session().fullScreen());
        EXPECT_TRUE(box.welcomeLabel()->text().startsWith("Welcome to Tabulor\n"));
        EXPECT_TRUE(box.welcomeLabel()->text().contains("\nVersion " TABULOR_VERSION));
        EXPECT_EQ(box.buildDateLabel()->text(), "Build date: " + buildDate());
        // The keyboard map is there, line by line.
        const QString keyboard = box.keyboardLabel()->text();
        for (const KeyMapLine& line : keyboardMap()) {
            EXPECT_TRUE(keyboard.contains(
                QString::fromUtf8(line.keys.data(), static_cast<qsizetype>(line.keys.size()))
                    .toHtmlEscaped()))
                << line.keys;
        }
    });
    window->menuStrip()->aboutAction()->trigger();
    EXPECT_TRUE(inspected);
    EXPECT_EQ(window->aboutBox(), nullptr);
    EXPECT_TRUE(window->session().messageTimer()->isActive());
    EXPECT_TRUE(window->session().fullScreen());
}

TEST_F(Lifecycle, CtrlAInFullScreenOpensAboutAndLeavesTheStripShown) {
    activate();
    bool inspected = false;
    whileAboutIsOpen([&](AboutBox&) { inspected = true; });
    QTest::keyClick(window->view(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(inspected);
    EXPECT_FALSE(window->session().fullScreen());
    EXPECT_TRUE(window->menuStrip()->isVisible());
}

TEST_F(Lifecycle, ResetShowsTheBannerSwitchesModeAndRepaintsAll) {
    tapKey(Key::Digit4);
    tapKey(Key::Digit2);
    clock.advance(3000);
    window->session().messageTick();
    settlePainted();
    tap(100, 20);
    window->menuStrip()->resetAction()->trigger();
    EXPECT_TRUE(window->session().fullScreen());
    EXPECT_TRUE(calculator().display->messageActive);
    EXPECT_DOUBLE_EQ(calculator().display->value, 0.0);
    EXPECT_EQ(settlePainted().boundingRect(), QRect(0, 0, 240, 294));
}

TEST_F(Lifecycle, ExitFromTheMenuEndsWithZero) {
    tap(100, 20);
    QTimer::singleShot(0, [this] { window->menuStrip()->exitAction()->trigger(); });
    EXPECT_EQ(runUntilExit(), 0);
    EXPECT_EQ(window->session().calculator(), nullptr);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Lifecycle, CtrlQEndsWithZeroInEitherMode) {
    for (const bool withStrip : {false, true}) {
        SCOPED_TRACE(withStrip);
        open();
        if (withStrip) tap(100, 20);
        activate();
        QTimer::singleShot(
            0, [this] { QTest::keyClick(window->view(), Qt::Key_Q, Qt::ControlModifier); });
        EXPECT_EQ(runUntilExit(), 0);
        EXPECT_EQ(window->session().calculator(), nullptr);
    }
}

TEST_F(Lifecycle, OffKeyEndsWithZeroAfterThePress) {
    tapKey(Key::Shift);
    const QPoint on = keyCentre(Key::On);
    press(on.x(), on.y());
    // The close is posted: the window outlives the press that asked for it.
    ASSERT_NE(window->session().calculator(), nullptr);
    EXPECT_FALSE(calculator().isOn);
    release(on.x(), on.y());
    EXPECT_EQ(runUntilExit(), 0);
    EXPECT_EQ(window->session().calculator(), nullptr);
}

TEST_F(Lifecycle, ClosingTheWindowEndsWithZero) {
    QTimer::singleShot(0, [this] { window->close(); });
    EXPECT_EQ(runUntilExit(), 0);
    EXPECT_EQ(window->session().calculator(), nullptr);
}

TEST(StartUp, EachMissingImageShowsCantCreateCalculator) {
    ManualClock clock;
    NoBatteries power;
    for (const int id : {ImageId::Face, ImageId::PressedShiftedFace, ImageId::GlyphStrip,
                         ImageId::ErrorStrip, ImageId::BatteryAnnunciator}) {
        SCOPED_TRACE(id);
        const StoreWithout store(id);
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        });
        EXPECT_EQ(startUp(CalculatorServices{&clock, &power}, store, 1), nullptr);
        EXPECT_EQ(title, "Tabulor");
        EXPECT_EQ(text, "Can't create calculator!");
        EXPECT_EQ(icon, QMessageBox::Critical);
    }
}

// A running copy keyed on a display of its own, in a private folder of the test's.
class RunningCopy {
  public:
    RunningCopy()
        : paths_(instancePaths(::geteuid(), "qpa-test", folder_.path().toStdString(), {})),
          instance_(claimInstance(paths_, 300)) {}

    SingleInstance& instance() { return instance_; }
    const InstancePaths& paths() const { return paths_; }

    // A later start, from another thread as if from another process; the event loop runs
    // until it has its result.
    Reach laterStart(int timeoutMilliseconds) {
        auto asking = std::async(std::launch::async, [this, timeoutMilliseconds] {
            return reachListener(paths_.socket, kRaiseRequest, kRaisedAnswer, timeoutMilliseconds)
                .reach;
        });
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return asking.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            timeoutMilliseconds + 2000));
        return asking.get();
    }

  private:
    QTemporaryDir folder_;
    InstancePaths paths_;
    SingleInstance instance_;
};

TEST(SingleInstanceTest, AnswersOnlyOnceThereIsAWindowAndCleansUpAtTheEnd) {
    std::string socket;
    {
        RunningCopy first;
        ASSERT_EQ(first.instance().outcome(), InstanceClaim::Outcome::Listening);
        socket = first.paths().socket;
        EXPECT_TRUE(std::filesystem::is_socket(socket));
        QSignalSpy raised(&first.instance(), &SingleInstance::activationRequested);
        EXPECT_EQ(first.laterStart(300), Reach::NoAnswer);
        EXPECT_EQ(raised.count(), 0);
        first.instance().startAnswering();
        EXPECT_EQ(first.laterStart(2000), Reach::Reached);
        EXPECT_GE(raised.count(), 1);
    }
    // A copy that ends normally leaves no socket behind.
    EXPECT_FALSE(std::filesystem::exists(socket));
}

TEST_F(Lifecycle, ALaterStartBringsTheWindowForwardWithItsAboutBoxOnTop) {
    RunningCopy first;
    ASSERT_EQ(first.instance().outcome(), InstanceClaim::Outcome::Listening);
    QObject::connect(&first.instance(), &SingleInstance::activationRequested, window.get(),
                     &MainWindow::bringForward);
    first.instance().startAnswering();
    bool aboutOnTop = false;
    Reach later = Reach::Failed;
    whileAboutIsOpen([&](AboutBox& box) {
        // Something else has the focus when the later start comes.
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        later = first.laterStart(2000);
        aboutOnTop = QTest::qWaitFor([&] { return QApplication::activeWindow() == &box; }, 2000);
    });
    window->showAbout();
    EXPECT_EQ(later, Reach::Reached);
    EXPECT_TRUE(aboutOnTop);
}

// Qt switches the C library's locale to the user's; numbers must still key and read with the
// calculator's own point.
TEST_F(Lifecycle, NumbersKeyTheSameUnderACommaDecimalLocale) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("tabulor-locale-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::create_directories(dir);
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + (dir / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !std::filesystem::exists(dir / "de_DE.UTF-8")) {
        std::filesystem::remove_all(dir);
        GTEST_SKIP() << "localedef cannot make de_DE here";
    }
    setenv("LOCPATH", dir.c_str(), 1);
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const bool switched = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    if (switched) {
        EXPECT_STREQ(std::localeconv()->decimal_point, ",");
        for (const KeyCode code :
             {Key::Digit1, Key::Point, Key::Digit5, Key::Multiply, Key::Digit3, Key::Equals}) {
            tapKey(code);
        }
        EXPECT_DOUBLE_EQ(calculator().display->value, 4.5);
        tapKey(Key::Digit2);
        tapKey(Key::Point);
        tapKey(Key::Digit2);
        tapKey(Key::Digit5);
        tapKey(Key::Add);
        EXPECT_DOUBLE_EQ(calculator().display->value, 2.25);
    }
    std::setlocale(LC_ALL, saved.c_str());
    unsetenv("LOCPATH");
    std::filesystem::remove_all(dir);
    if (!switched) GTEST_SKIP() << "the made locale did not load";
}

}  // namespace
}  // namespace tabulor::testing
