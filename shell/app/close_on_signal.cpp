#include "shell/app/close_on_signal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tabulor {

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT};

// A signal handler reaches only globals and may do little more than write to a pipe; the event
// loop reads the other end.
int signalWriteEnd = -1;

extern "C" void noteSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd, &byte, 1);
    errno = savedErrno;
}

}  // namespace

CloseOnSignal::CloseOnSignal(QWidget& window) : window_(window) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
    readEnd_.reset(ends[0]);
    signalWriteEnd = ends[1];
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_.get(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, &window_,
                     [this] { closeWindow(); });

    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (::sigaction(kSignals[i], nullptr, &previous_[i]) != 0) continue;
        // A shell starts background jobs with SIGINT ignored; that choice is kept.
        if (previous_[i].sa_handler == SIG_IGN) continue;
        caught_[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

CloseOnSignal::~CloseOnSignal() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (caught_[i]) ::sigaction(kSignals[i], &previous_[i], nullptr);
    }
    if (!readEnd_) return;
    notifier_.reset();
    ::close(signalWriteEnd);
    signalWriteEnd = -1;
}

void CloseOnSignal::closeWindow() {
    char bytes[16];
    while (::read(readEnd_.get(), bytes, sizeof bytes) > 0) {
    }
    window_.close();
}

}  // namespace tabulor
