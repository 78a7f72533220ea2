#pragma once
// SIGTERM and SIGINT close the window as the window manager's close button does: the calculator
// is destroyed and the process exits 0, instead of dying wherever the signal finds it.

#include <signal.h>

#include <QSocketNotifier>
#include <QWidget>
#include <array>
#include <memory>

#include "shell/instance/unique_fd.h"

namespace tabulor {

class CloseOnSignal final {
  public:
    // Catches the signals until destroyed; a signal ignored when this starts stays ignored.
    // When the pipe cannot be made, the signals keep their default action.
    explicit CloseOnSignal(QWidget& window);
    ~CloseOnSignal();
    CloseOnSignal(const CloseOnSignal&) = delete;
    CloseOnSignal& operator=(const CloseOnSignal&) = delete;

  private:
    void closeWindow();

    QWidget& window_;
    UniqueFd readEnd_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::array<struct sigaction, 2> previous_{};
    std::array<bool, 2> caught_{};
};

}  // namespace tabulor
