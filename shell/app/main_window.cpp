#include "shell/app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QWindow>

#include "faceplate/faceplate.h"
#include "faceplate/hit_test.h"
#include "shell/app/clipboard_number.h"
#include "shell/app/faceplate_accessible.h"
#include "shell/app/key_map.h"
#include "shell/app/pasted_number.h"
#include "shell/app/qt_string.h"
#include "shell/app/qt_surface.h"
#include "shell/app/shell_text.h"
#include "shell/app/window_options.h"

namespace tabulor {

namespace {

QRect toQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

Rect toRect(const QRect& rect) {
    return Rect{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
}

std::optional<KeyCode> keyForEvent(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return keyForNamedKey(NamedKey::Enter);
        case Qt::Key_Backspace:
            return keyForNamedKey(NamedKey::Backspace);
        case Qt::Key_Escape:
            return keyForNamedKey(NamedKey::Escape);
        case Qt::Key_F9:
            return keyForNamedKey(NamedKey::F9);
        default:
            break;
    }
    const QString text = event.text();
    if (text.size() != 1) return std::nullopt;
    return keyForCharacter(text.at(0).unicode());
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<Calculator> calculator, FaceplateImages images, int zoom)
    : calculator_(std::move(calculator)),
      faceplate_(std::move(images)),
      backbuffer_(faceplate::kWidth, faceplate::kHeight, QImage::Format_RGB32),
      strip_(new MenuStrip(this)) {
    installFaceplateAccessibility();
    setWindowTitle(qs(text::kTitle));
    setObjectName(QStringLiteral("mainWindow"));
    setAccessibleName(QStringLiteral("Tabulor calculator"));
    // Every paint covers its region with the faceplate: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    backbuffer_.fill(Qt::white);

    geometry_.zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    geometry_.devicePixelRatio = devicePixelRatioF();
    applyGeometry();

    setWindow(*calculator_, this);

    strip_->hide();
    connect(strip_->aboutAction(), &QAction::triggered, this, &MainWindow::showAbout);
    connect(strip_->resetAction(), &QAction::triggered, this, &MainWindow::resetCalculator);
    connect(strip_->exitAction(), &QAction::triggered, this, &MainWindow::exitApplication);

    // The accelerators work in either mode, with or without the strip.
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_A), &MainWindow::showAbout);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::exitApplication);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_C), &MainWindow::copyNumber);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_V), &MainWindow::pasteNumber);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus), &MainWindow::zoomIn);
    // Plus needs Shift on many layouts; Ctrl with the = key beneath it zooms in as well.
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), &MainWindow::zoomIn);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), &MainWindow::zoomOut);

    timer_.setInterval(kMessageTimerMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &MainWindow::messageTick);
    timer_.start();
}

MainWindow::~MainWindow() {
    endCalculator();
}

void MainWindow::addShortcut(const QKeySequence& keys, void (MainWindow::*slot)()) {
    auto* action = new QAction(this);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
}

void MainWindow::setFullScreen(bool on) {
    state_.fullScreen = on;
    strip_->setVisible(!on);
}

void MainWindow::setZoom(int zoom) {
    const int clamped = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (clamped == geometry_.zoom) return;
    geometry_.zoom = clamped;
    applyGeometry();
}

void MainWindow::zoomIn() {
    if (zoom() < largestZoomOnScreen()) setZoom(zoom() + 1);
}

int MainWindow::largestZoomOnScreen() const {
    const QScreen* shown = screen();
    if (shown == nullptr) return kMaxZoom;
    // The window manager's frame counts once it is known; before that, the client area alone.
    // The menu strip lies inside the client area.
    const QSize frame = frameGeometry().size() - size();
    const QSize room = shown->availableGeometry().size() - frame;
    return largestZoomWithin(room.width(), room.height(), devicePixelRatioF());
}

void MainWindow::tapKey(KeyCode code) {
    // The open About box is modal: the pen cannot reach the keys behind it, nor may a reader.
    if (calculator_ == nullptr || about_ != nullptr) return;
    releaseKeyboardKey();
    if (reading()->heldKey) return;
    const Repaint pressed = keyDown(state_, *calculator_, code);
    setFullScreen(state_.fullScreen);
    requestRepaint(pressed);
    if (calculator_ != nullptr) requestRepaint(penUp(*calculator_));
}

void MainWindow::applyGeometry() {
    setFixedSize(geometry_.logicalWidth(), geometry_.logicalHeight());
    strip_->placeAtBottom(width(), height());
    update();
}

void MainWindow::showAbout() {
    if (about_ != nullptr || calculator_ == nullptr) return;
    releaseKeyboardKey();
    timer_.stop();
    setFullScreen(!state_.fullScreen);
    AboutBox box(this);
    about_ = &box;
    box.exec();
    about_ = nullptr;
    if (calculator_ != nullptr) timer_.start();
}

void MainWindow::resetCalculator() {
    if (calculator_ == nullptr) return;
    releaseKeyboardKey();
    reset(*calculator_);
    setFullScreen(!state_.fullScreen);
    requestRepaint(Repaint::Window);
}

void MainWindow::exitApplication() {
    close();
}

void MainWindow::messageTick() {
    if (calculator_ == nullptr) return;
    requestRepaint(tabulor::messageTick(*calculator_));
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
    const std::optional<CalculatorReading> now = reading();
    if (!now || !now->display) return;
    // A message on the display is no number: the clipboard keeps what it had.
    if (const auto text = displayedNumberText(*now->display)) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
    }
}

void MainWindow::pasteNumber() {
    const std::optional<CalculatorReading> now = reading();
    if (!now || !now->display) return;
    const char decimalMark = now->display->decimalMark == MarkCode::Comma ? ',' : '.';
    const auto plain =
        plainNumberText(QGuiApplication::clipboard()->text().toStdString(), decimalMark);
    const auto keys = plain ? keysForNumberText(*plain) : std::nullopt;
    if (!keys) {
        QApplication::beep();
        return;
    }
    releaseKeyboardKey();
    if (reading()->heldKey) return;  // the pen is down on a key; typing waits for it
    // An armed SHIFT would turn the first digit into a shifted function; typing it off first.
    if (reading()->face != ShiftState::Off) {
        pressKeyCell(*calculator_, Key::Shift);
        releaseKey(*calculator_);
    }
    // Each key pressed and released as a tap would, so SHIFT before E stays a one-shot.
    for (const KeyCode code : *keys) {
        pressKeyCell(*calculator_, code);
        releaseKey(*calculator_);
    }
    requestRepaint(Repaint::Window);
}

void MainWindow::requestRepaint(Repaint repaint) {
    if (repaint == Repaint::Nothing) return;
    update(toQRect(geometry_.logicalRect(repaintRect(repaint))));
    emit displayChanged();
}

QPoint MainWindow::faceplatePoint(QPointF position) const {
    return QPoint(geometry_.faceplateCoordinate(position.x()),
                  geometry_.faceplateCoordinate(position.y()));
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && calculator_ != nullptr) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QPoint at = faceplatePoint(help->pos());
        if (const auto key = keyAt(at.x(), at.y())) {
            const KeyFacts& facts = keyFacts(*key);
            QString tip = qs(facts.legend);
            if (!facts.shiftedLegend.empty())
                tip += QStringLiteral(" (SHIFT: %1)").arg(qs(facts.shiftedLegend));
            QToolTip::showText(help->globalPos(), tip, this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

void MainWindow::paintEvent(QPaintEvent* event) {
    const Rect asked = geometry_.faceplateRect(toRect(event->rect()));
    const QRect dirty = toQRect(asked).intersected(backbuffer_.rect());
    QPainter painter(this);
    if (!dirty.isEmpty()) {
        if (calculator_ != nullptr) {
            QPainter back(&backbuffer_);
            QtSurface surface(back, images_);
            surface.setClip(toRect(dirty));
            paintFaceplate(faceplate_, *calculator_, surface, kClientRect);
        }
        // Whole device pixels per faceplate pixel, copied without smoothing: crisp at every zoom
        // and device-pixel ratio, with no seams between the images.
        const int scale = geometry_.scale();
        QImage scaled = backbuffer_.copy(dirty).scaled(dirty.size() * scale, Qt::IgnoreAspectRatio,
                                                       Qt::FastTransformation);
        scaled.setDevicePixelRatio(geometry_.devicePixelRatio);
        painter.drawImage(QPointF(dirty.left() * scale / geometry_.devicePixelRatio,
                                  dirty.top() * scale / geometry_.devicePixelRatio),
                          scaled);
    }
    // Where the logical size rounds up past the faceplate, the case's white continues.
    const QRect covered = toQRect(geometry_.logicalRect(kClientRect));
    const QRegion margin = QRegion(event->rect()).subtracted(covered);
    for (const QRect& rect : margin)
        painter.fillRect(rect, Qt::white);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || calculator_ == nullptr) {
        QWidget::mousePressEvent(event);
        return;
    }
    releaseKeyboardKey();
    const QPoint at = faceplatePoint(event->position());
    const PenDownResult result = penDown(state_, *calculator_, at.x(), at.y());
    setFullScreen(state_.fullScreen);
    requestRepaint(result.repaint);
}

// Taps come quickly on a calculator: a second press is a press, never a double click.
void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || calculator_ == nullptr) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    requestRepaint(penUp(*calculator_));
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (calculator_ != nullptr) {
        const QPoint at = faceplatePoint(event->position());
        setPointerKey(keyAt(at.x(), at.y()));
    }
    QWidget::mouseMoveEvent(event);
}

void MainWindow::leaveEvent(QEvent* event) {
    setPointerKey(std::nullopt);
    QWidget::leaveEvent(event);
}

void MainWindow::setPointerKey(std::optional<KeyCode> key) {
    if (key == pointerKey_) return;
    pointerKey_ = key;
    emit pointerKeyChanged();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const auto modifiers =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const std::optional<KeyCode> code = keyForEvent(*event);
    if (calculator_ == nullptr || modifiers != Qt::NoModifier || !code) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // A key held down repeats in the keyboard, not on the calculator; and one key at a time,
    // as with the pen.
    if (event->isAutoRepeat() || reading()->heldKey) return;
    keyboardKey_ = event->key();
    keyboardScanCode_ = event->nativeScanCode();
    const Repaint repaint = keyDown(state_, *calculator_, *code);
    setFullScreen(state_.fullScreen);
    requestRepaint(repaint);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || !keyboardKey_) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    // Shift may come up before the key it modified, which then reports another key code; the
    // scan code still names the physical key.
    const bool same = (keyboardScanCode_ != 0 && event->nativeScanCode() == keyboardScanCode_) ||
                      event->key() == *keyboardKey_;
    if (!same) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    releaseKeyboardKey();
}

void MainWindow::releaseKeyboardKey() {
    if (!keyboardKey_) return;
    keyboardKey_.reset();
    if (calculator_ != nullptr) requestRepaint(penUp(*calculator_));
}

// A key release that goes to another window would leave the key held for good.
void MainWindow::focusOutEvent(QFocusEvent* event) {
    releaseKeyboardKey();
    QWidget::focusOutEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle()) {
        connect(window, &QWindow::screenChanged, this, &MainWindow::refreshDevicePixelRatio,
                Qt::UniqueConnection);
    }
    refreshDevicePixelRatio();
}

void MainWindow::refreshDevicePixelRatio() {
    if (geometry_.devicePixelRatio == devicePixelRatioF()) return;
    geometry_.devicePixelRatio = devicePixelRatioF();
    applyGeometry();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    endCalculator();
    event->accept();
    QCoreApplication::exit(0);
}

void MainWindow::endCalculator() {
    timer_.stop();
    keyboardKey_.reset();
    if (calculator_ == nullptr) return;
    images_.clear();
    tabulor::destroy(*calculator_);
    calculator_.reset();
    releaseFaceplateImages(faceplate_);
}

// Nothing of ours depends on being active, so the notice that precedes OFF's close changes
// nothing here.
void MainWindow::notifyDeactivated() {}

void MainWindow::postClose() {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace tabulor
