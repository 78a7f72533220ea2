#include "shell/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "shell/window/clipboard_number.h"
#include "shell/window/pasted_number.h"
#include "shell/window/qt_string.h"
#include "shell/window/shell_text.h"

namespace tabulor {

MainWindow::MainWindow(std::unique_ptr<Calculator> calculator, FaceplateImages images, int zoom)
    : session_(std::move(calculator), std::move(images)),
      view_(new FaceplateView(session_, zoom, this)),
      strip_(new MenuStrip(this)),
      panels_(new PanelDock(session_, this)) {
    setWindowTitle(qs(text::kTitle));
    setObjectName(QStringLiteral("mainWindow"));
    setFocusProxy(view_);
    panels_->addToMenu(strip_->toolsMenu(), strip_->resetAction());
    fitToView();

    connect(view_, &FaceplateView::resized, this, &MainWindow::fitToView);
    connect(panels_, &PanelDock::layoutChanged, this, &MainWindow::fitToView);
    connect(&session_, &CalculatorSession::fullScreenChanged, strip_, [this](bool on) {
        strip_->setVisible(!on);
        fitToView();
    });
    connect(&session_, &CalculatorSession::closeRequested, this, &QWidget::close);
    connect(strip_->aboutAction(), &QAction::triggered, this, &MainWindow::showAbout);
    connect(strip_->amortizationAction(), &QAction::triggered, this, &MainWindow::showAmortization);
    connect(strip_->cashFlowsAction(), &QAction::triggered, this, &MainWindow::showCashFlows);
    connect(strip_->resetAction(), &QAction::triggered, this, &MainWindow::resetCalculator);
    connect(strip_->exitAction(), &QAction::triggered, this, &MainWindow::exitApplication);
    addCommandShortcuts();
}

MainWindow::~MainWindow() {
    session_.end();
}

void MainWindow::addCommandShortcuts() {
    for (const CommandFacts& facts : kCommandTable) {
        auto* action = new QAction(this);
        QList<QKeySequence> keys;
        for (const std::string_view shortcut : facts.shortcuts) {
            if (!shortcut.empty()) keys << QKeySequence(qs(shortcut), QKeySequence::PortableText);
        }
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this,
                [this, command = facts.command] { run(command); });
        addAction(action);
    }
}

void MainWindow::run(Command command) {
    switch (command) {
        case Command::Copy:
            return copyNumber();
        case Command::Paste:
            return pasteNumber();
        case Command::ZoomIn:
            return zoomIn();
        case Command::ZoomOut:
            return zoomOut();
        case Command::Tape:
            return panels_->toggleTape();
        case Command::Registers:
            return panels_->toggleRegisters();
        case Command::Amortization:
            return showAmortization();
        case Command::CashFlows:
            return showCashFlows();
        case Command::About:
            return showAbout();
        case Command::Exit:
            return exitApplication();
    }
}

void MainWindow::fitToView() {
    const QSize face = view_->size();
    panels_->setZoom(view_->zoom());
    strip_->setZoom(view_->zoom());
    const int width = face.width() + panels_->place(face.width(), face.height());
    strip_->placeBelow(face.height(), width);
    setFixedSize(width, face.height() + (strip_->isHidden() ? 0 : strip_->height()));
}

void MainWindow::zoomIn() {
    if (view_->zoom() < largestZoomOnScreen()) setZoom(view_->zoom() + 1);
}

int MainWindow::largestZoomOnScreen() const {
    const QScreen* shown = screen();
    if (shown == nullptr) return kMaxZoom;
    // The window manager's frame counts once it is known; before that, the client area alone.
    // The shown panels and the strip, which a click may show at any time, grow with the zoom.
    const QSize frame = frameGeometry().size() - size();
    const QSize room = shown->availableGeometry().size() - frame;
    for (int zoom = kMaxZoom; zoom > kMinZoom; --zoom) {
        const int width = room.width() - panels_->widthAt(zoom);
        const int height = room.height() - strip_->heightAt(zoom);
        if (largestZoomWithin(width, height, devicePixelRatioF()) >= zoom) return zoom;
    }
    return kMinZoom;
}

void MainWindow::showAbout() {
    if (about_ != nullptr || !session_.running()) return;
    view_->releaseKeyboardKey();
    session_.pauseTimer();
    session_.toggleFullScreen();
    view_->setKeysEnabled(false);
    AboutBox box(this);
    about_ = &box;
    box.exec();
    about_ = nullptr;
    view_->setKeysEnabled(true);
    session_.resumeTimer();
}

void MainWindow::showAmortization() {
    if (amortization_ == nullptr) {
        amortization_ = new AmortizationDialog([this] { return session_.reading(); }, this);
        connect(&session_, &CalculatorSession::repaintRequested, amortization_,
                &AmortizationDialog::refresh);
    }
    bringUp(amortization_);
}

void MainWindow::showCashFlows() {
    if (cashFlows_ == nullptr) {
        const auto type = [this](std::span<const KeyCode> keys) { typeKeys(keys); };
        cashFlows_ = new CashFlowsDialog([this] { return session_.reading(); }, type, this);
        connect(&session_, &CalculatorSession::repaintRequested, cashFlows_,
                &CashFlowsDialog::refresh);
    }
    bringUp(cashFlows_);
}

void MainWindow::bringUp(QWidget* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::resetCalculator() {
    view_->releaseKeyboardKey();
    session_.reset();
}

void MainWindow::bringForward(const QString& activationToken) {
    // Qt's Wayland shell hands this token to the activation protocol when the compositor offers
    // it, and takes it out of the environment once used.
    if (!activationToken.isEmpty() && QGuiApplication::platformName().startsWith("wayland"))
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    showNormal();
    raise();
    activateWindow();
    if (about_ != nullptr) {
        about_->raise();
        about_->activateWindow();
    }
}

void MainWindow::copyNumber() {
    const std::optional<CalculatorReading> now = session_.reading();
    if (!now || !now->display) return;
    // A message on the display is no number: the clipboard keeps what it had.
    if (const auto text = displayedNumberText(*now->display))
        QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
}

void MainWindow::pasteNumber() {
    const std::optional<CalculatorReading> now = session_.reading();
    if (!now || !now->display) return;
    const char decimalMark = now->display->decimalMark == MarkCode::Comma ? ',' : '.';
    const auto plain =
        plainNumberText(QGuiApplication::clipboard()->text().toStdString(), decimalMark);
    const auto keys = plain ? keysForNumberText(*plain) : std::nullopt;
    if (!keys) {
        QApplication::beep();
        return;
    }
    typeKeys(*keys);
}

void MainWindow::typeKeys(std::span<const KeyCode> keys) {
    view_->releaseKeyboardKey();
    // While the pen is down on a key, typing waits for it.
    session_.typeKeys(keys);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    session_.end();
    event->accept();
    QCoreApplication::exit(0);
}

}  // namespace tabulor
