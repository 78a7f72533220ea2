#pragma once
// The running calculator as the window's rooms share it: the Calculator and the images it is
// drawn from, the full-screen flag, and the message timer. Every change of the calculator from
// the window goes through here, and says what it asks to repaint; the rooms follow the signals.

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <span>

#include "engine/calculator.h"
#include "engine/calculator_reading.h"
#include "faceplate/faceplate_images.h"
#include "shell/window/shell_state.h"

namespace tabulor {

class CalculatorSession final : public QObject, private WindowLink {
    Q_OBJECT
  public:
    // Takes an initialized calculator and its images, and hands itself to the calculator as
    // its window.
    CalculatorSession(std::unique_ptr<Calculator> calculator, FaceplateImages images);
    ~CalculatorSession() override;

    // Null once the session has ended.
    const Calculator* calculator() const { return calculator_.get(); }
    // The calculator as it reads now; none once the session has ended.
    std::optional<CalculatorReading> reading() const;
    const FaceplateImages& images() const { return images_; }
    bool running() const { return calculator_ != nullptr; }
    bool fullScreen() const { return state_.fullScreen; }
    QTimer* messageTimer() { return &timer_; }

    void setFullScreen(bool on);
    void toggleFullScreen() { setFullScreen(!state_.fullScreen); }

    // A pen-down at faceplate pixel (x, y); a pen-up.
    void penDown(int x, int y);
    void penUp();
    // A key pressed from the keyboard and held until keyUp; nothing while another is held.
    bool keyDown(KeyCode code);
    void keyUp() { penUp(); }
    // A press and release, as a tap of the pen on the key's cell.
    void tapKey(KeyCode code);
    // Keys each tapped in turn; an armed SHIFT is tapped off first.
    void typeKeys(std::span<const KeyCode> keys);
    void reset();
    void messageTick();
    // Stops the timer while a modal box is open, and starts it again.
    void pauseTimer() { timer_.stop(); }
    void resumeTimer();
    // Destroys the calculator and frees its images; later calls do nothing.
    void end();

  signals:
    // A region of the faceplate to repaint; the display's reading may have changed with it.
    void repaintRequested(Repaint repaint);
    void fullScreenChanged(bool on);
    // The calculator asked its window to close (OFF).
    void closeRequested();
    // The calculator is about to be destroyed: whatever was made from its images goes first.
    void ending();

  private:
    void notifyDeactivated() override;
    void postClose() override;
    void changed(Repaint repaint);

    std::unique_ptr<Calculator> calculator_;
    FaceplateImages images_;
    ShellState state_;
    QTimer timer_;
};

}  // namespace tabulor
