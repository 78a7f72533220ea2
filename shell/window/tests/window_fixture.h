#pragma once
// A real MainWindow on the offscreen platform with a clock the test moves by hand, and the
// means to tap it at client coordinates and to see which regions it repaints.

#include <gtest/gtest.h>

#include <QObject>
#include <QRegion>
#include <initializer_list>
#include <memory>
#include <span>

#include "engine/calculator.h"
#include "shell/window/main_window.h"

namespace tabulor::testing {

class ManualClock final : public TickSource {
  public:
    std::uint32_t now() const override { return now_; }
    void advance(std::uint32_t milliseconds) { now_ += milliseconds; }

  private:
    std::uint32_t now_ = 10'000;
};

class NoBatteries final : public PowerSource {
  public:
    bool query(PowerStatus& status) const override {
        status = PowerStatus{};
        return true;
    }
};

// The embedded images less one id.
class StoreWithout final : public ImageStore {
  public:
    explicit StoreWithout(int missing) : missing_(missing) {}
    std::span<const std::uint8_t> find(int id) const override;

  private:
    int missing_;
};

// Collects the regions of the paint events a widget receives.
class PaintRecorder final : public QObject {
  public:
    explicit PaintRecorder(QWidget* widget);
    QRegion painted() const { return painted_; }
    void clear() { painted_ = QRegion(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QRegion painted_;
};

class WindowTest : public ::testing::Test {
  protected:
    // Opens the window (shown, exposed, painted once) at `zoom`.
    void open(int zoom = 1);
    // Opens it at zoom 1, active, with the start-up banner gone: ready for typed keys.
    void openActive();
    void TearDown() override;

    const Calculator& calculator() const { return *window->session().calculator(); }
    // Pen down and up at client pixel (x, y) of the faceplate, scaled by the zoom.
    void press(int x, int y);
    void release(int x, int y);
    void tap(int x, int y);
    void tapKey(KeyCode code);
    void tapKeys(std::initializer_list<KeyCode> codes);
    // Lets posted events (repaints, queued closes) run, then reports what was painted since
    // the last call, in faceplate pixels.
    QRegion settlePainted();

    ManualClock clock;
    NoBatteries power;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<PaintRecorder> recorder;
};

// The centre of a key's cell on the faceplate.
QPoint keyCentre(KeyCode code);
QRect toQRect(const Rect& rect);

}  // namespace tabulor::testing
