#pragma once
// The application window: the faceplate at a whole-number zoom, the left mouse button as the
// pen, the keyboard as a second way to press the keys, the menu strip that full-screen mode
// hides, the message timer, the clipboard and the About box. The rules live in shell_state;
// this class carries Qt's events to them and back.

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "engine/calculator.h"
#include "engine/calculator_reading.h"
#include "faceplate/faceplate_images.h"
#include "shell/app/about_box.h"
#include "shell/app/menu_strip.h"
#include "shell/app/qt_image_cache.h"
#include "shell/app/shell_state.h"
#include "shell/app/zoom_geometry.h"

namespace tabulor {

class MainWindow final : public QWidget, private WindowLink {
    Q_OBJECT
  public:
    // Takes an initialized calculator and the images it is drawn from, and hands itself to the
    // calculator as its window.
    MainWindow(std::unique_ptr<Calculator> calculator, FaceplateImages images, int zoom);
    ~MainWindow() override;

    // Null once the window has ended.
    const Calculator* calculator() const { return calculator_.get(); }
    // The calculator as it reads now; none once the window has ended.
    std::optional<CalculatorReading> reading() const {
        if (calculator_ == nullptr) return std::nullopt;
        return CalculatorReading(*calculator_);
    }
    const FaceplateImages& faceplateImages() const { return faceplate_; }
    bool fullScreen() const { return state_.fullScreen; }
    int zoom() const { return geometry_.zoom; }
    const ZoomGeometry& zoomGeometry() const { return geometry_; }
    MenuStrip* menuStrip() const { return strip_; }
    QTimer* messageTimer() { return &timer_; }
    // The open About box, null while none is open.
    AboutBox* aboutBox() const { return about_; }
    // The key the pointer is over, for screen readers; none over the gaps and the display.
    std::optional<KeyCode> keyUnderPointer() const { return pointerKey_; }

    void setFullScreen(bool on);
    void setZoom(int zoom);
    // Presses and releases `code` as a tap of the pen on its cell does: for assistive
    // technology, which has no pen. Nothing while another key is held or the About box is open.
    void tapKey(KeyCode code);

  signals:
    // The display's reading (number or message, annunciators) may have changed.
    void displayChanged();
    void pointerKeyChanged();

  public slots:
    void showAbout();
    void resetCalculator();
    void exitApplication();
    void messageTick();
    // Raises and activates the window, and the About box over it when that is open. On Wayland
    // the activation token of the start that asked lets the compositor grant the focus.
    void bringForward(const QString& activationToken = {});
    // Up to the largest zoom whose window fits the screen; an explicit larger one is kept.
    void zoomIn();
    void zoomOut() { setZoom(zoom() - 1); }
    void copyNumber();
    void pasteNumber();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private slots:
    void refreshDevicePixelRatio();

  private:
    void notifyDeactivated() override;
    void postClose() override;
    void requestRepaint(Repaint repaint);
    QPoint faceplatePoint(QPointF position) const;
    void releaseKeyboardKey();
    void setPointerKey(std::optional<KeyCode> key);
    void applyGeometry();
    int largestZoomOnScreen() const;
    void addShortcut(const QKeySequence& keys, void (MainWindow::*slot)());
    void endCalculator();

    std::unique_ptr<Calculator> calculator_;
    FaceplateImages faceplate_;
    ShellState state_;
    ZoomGeometry geometry_;
    QImage backbuffer_;
    QtImageCache images_;
    QTimer timer_;
    MenuStrip* strip_;
    QPointer<AboutBox> about_;
    // The keyboard key holding a faceplate key down, matched again on its release.
    std::optional<int> keyboardKey_;
    quint32 keyboardScanCode_ = 0;
    std::optional<KeyCode> pointerKey_;
};

}  // namespace tabulor
