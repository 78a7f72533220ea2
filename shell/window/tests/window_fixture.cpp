#include "shell/window/tests/window_fixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QPaintEvent>
#include <QTest>

#include "faceplate/geometry.h"
#include "shell/resources/embedded_images.h"
#include "shell/window/start_up.h"

namespace tabulor::testing {

std::span<const std::uint8_t> StoreWithout::find(int id) const {
    if (id == missing_) return {};
    return embeddedImages().find(id);
}

PaintRecorder::PaintRecorder(QWidget* widget) {
    widget->installEventFilter(this);
}

bool PaintRecorder::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) painted_ += static_cast<QPaintEvent*>(event)->region();
    return false;
}

void WindowTest::open(int zoom) {
    window = startUp(CalculatorServices{&clock, &power}, embeddedImages(), zoom);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    recorder = std::make_unique<PaintRecorder>(window->view());
    settlePainted();
}

void WindowTest::openActive() {
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    clock.advance(3000);
    window->session().messageTick();
}

void WindowTest::TearDown() {
    recorder.reset();
    window.reset();
}

void WindowTest::press(int x, int y) {
    const int zoom = window->view()->zoom();
    QTest::mousePress(window->view(), Qt::LeftButton, {}, QPoint(x * zoom, y * zoom));
}

void WindowTest::release(int x, int y) {
    const int zoom = window->view()->zoom();
    QTest::mouseRelease(window->view(), Qt::LeftButton, {}, QPoint(x * zoom, y * zoom));
}

void WindowTest::tap(int x, int y) {
    press(x, y);
    release(x, y);
}

void WindowTest::tapKey(KeyCode code) {
    const QPoint at = keyCentre(code);
    tap(at.x(), at.y());
}

void WindowTest::tapKeys(std::initializer_list<KeyCode> codes) {
    for (const KeyCode code : codes)
        tapKey(code);
}

QRegion WindowTest::settlePainted() {
    QCoreApplication::processEvents();
    // A larger set is decoded on a thread of its own; the window draws with it once it is done.
    QDeadlineTimer deadline(10000);
    while (window->view()->loadingImages() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QRegion painted;
    const int zoom = window->view()->zoom();
    for (const QRect& rect : recorder->painted()) {
        painted += QRect(rect.topLeft() / zoom, rect.size() / zoom);
    }
    recorder->clear();
    return painted;
}

QPoint keyCentre(KeyCode code) {
    const Rect cell = faceplate::keyCell(code);
    return QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
}

QRect toQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace tabulor::testing
