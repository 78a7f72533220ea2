#pragma once
// The running calculator as the window's rooms share it: the Calculator and the images it is
// drawn from, the full-screen flag, the message timer and the tape. Every change of the
// calculator from the window goes through here, and says what it asks to repaint; the rooms
// follow the signals. Every key any room presses passes here, so the tape sees them all.

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <span>

#include "engine/calculator.h"
#include "engine/calculator_reading.h"
#include "faceplate/faceplate_images.h"
#include "shell/window/shell_state.h"
#include "tape/tape_recorder.h"
#include "tape/tape_store.h"

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
    // The steps since the window opened; it outlives Reset, C ALL and the calculator's end.
    const TapeStore& tape() const { return tape_; }
    void clearTape();

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
    // A step's line was added to the tape (the oldest may have given way); the tape was cleared.
    void tapeLineAdded();
    void tapeCleared();

  private:
    void notifyDeactivated() override;
    void postClose() override;
    void changed(Repaint repaint);
    // Around every key the window presses: the recorder reads the calculator before and after.
    void beforeKey();
    void afterKey(KeyCode code);
    void record(TapeLine line);

    std::unique_ptr<Calculator> calculator_;
    FaceplateImages images_;
    ShellState state_;
    QTimer timer_;
    TapeRecorder recorder_;
    TapeStore tape_;
};

}  // namespace tabulor
