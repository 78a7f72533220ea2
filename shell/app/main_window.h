#pragma once
// The application window: the faceplate at a whole-number zoom, the left mouse button as the
// pen, the menu strip that full-screen mode hides, the message timer and the About box. The
// rules live in shell_state; this class carries Qt's events to them and back.

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "engine/calculator.h"
#include "shell/app/about_box.h"
#include "shell/app/menu_strip.h"
#include "shell/app/qt_image_cache.h"
#include "shell/app/shell_state.h"

namespace tabulor {

class MainWindow final : public QWidget, private WindowLink {
    Q_OBJECT
  public:
    // Takes an initialized calculator and hands itself to it as its window.
    MainWindow(std::unique_ptr<Calculator> calculator, int zoom);
    ~MainWindow() override;

    // Null once the window has ended.
    const Calculator* calculator() const { return calculator_.get(); }
    bool fullScreen() const { return state_.fullScreen; }
    int zoom() const { return zoom_; }
    MenuStrip* menuStrip() const { return strip_; }
    QTimer* messageTimer() { return &timer_; }
    // The open About box, null while none is open.
    AboutBox* aboutBox() const { return about_; }

    void setFullScreen(bool on);

  public slots:
    void showAbout();
    void resetCalculator();
    void exitApplication();
    void messageTick();
    // Raises and activates the window, and the About box over it when that is open.
    void bringForward();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void notifyDeactivated() override;
    void postClose() override;
    void requestRepaint(Repaint repaint);
    // The faceplate pixel under a point of the widget, whatever the zoom.
    QPoint faceplatePoint(QPointF position) const;
    void endCalculator();

    std::unique_ptr<Calculator> calculator_;
    ShellState state_;
    int zoom_;
    QImage backbuffer_;
    QtImageCache images_;
    QTimer timer_;
    MenuStrip* strip_;
    QPointer<AboutBox> about_;
};

}  // namespace tabulor
