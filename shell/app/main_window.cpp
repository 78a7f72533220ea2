#include "shell/app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "shell/app/build_info.h"
#include "shell/app/qt_surface.h"
#include "shell/app/shell_text.h"
#include "shell/faceplate/faceplate.h"

namespace tabulor {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect toQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<Calculator> calculator, int zoom)
    : calculator_(std::move(calculator)),
      zoom_(zoom),
      backbuffer_(faceplate::kWidth, faceplate::kHeight, QImage::Format_RGB32),
      strip_(new MenuStrip(this)) {
    setWindowTitle(qs(text::kTitle));
    setWindowIcon(applicationIcon());
    setObjectName(QStringLiteral("mainWindow"));
    setFixedSize(faceplate::kWidth * zoom_, faceplate::kHeight * zoom_);
    // Every paint covers its region with the faceplate: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    backbuffer_.fill(Qt::white);

    setWindow(*calculator_, this);

    strip_->placeAtBottom(width(), height());
    strip_->hide();
    connect(strip_->aboutAction(), &QAction::triggered, this, &MainWindow::showAbout);
    connect(strip_->resetAction(), &QAction::triggered, this, &MainWindow::resetCalculator);
    connect(strip_->exitAction(), &QAction::triggered, this, &MainWindow::exitApplication);

    // The accelerators work in either mode, with or without the strip.
    auto* aboutKey = new QAction(this);
    aboutKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(aboutKey, &QAction::triggered, this, &MainWindow::showAbout);
    auto* exitKey = new QAction(this);
    exitKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exitKey, &QAction::triggered, this, &MainWindow::exitApplication);
    addAction(aboutKey);
    addAction(exitKey);

    timer_.setInterval(kMessageTimerMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &MainWindow::messageTick);
    timer_.start();
}

MainWindow::~MainWindow() {
    endCalculator();
}

void MainWindow::setFullScreen(bool on) {
    state_.fullScreen = on;
    strip_->setVisible(!on);
}

void MainWindow::showAbout() {
    if (about_ != nullptr || calculator_ == nullptr) return;
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

void MainWindow::bringForward() {
    showNormal();
    raise();
    activateWindow();
    if (about_ != nullptr) {
        about_->raise();
        about_->activateWindow();
    }
}

void MainWindow::requestRepaint(Repaint repaint) {
    if (repaint == Repaint::Nothing) return;
    const QRect area = toQRect(repaintRect(repaint));
    update(QRect(area.topLeft() * zoom_, area.size() * zoom_));
}

QPoint MainWindow::faceplatePoint(QPointF position) const {
    return QPoint(static_cast<int>(std::floor(position.x() / zoom_)),
                  static_cast<int>(std::floor(position.y() / zoom_)));
}

void MainWindow::paintEvent(QPaintEvent* event) {
    // The region in faceplate pixels, widened to whole pixels so zoomed edges are covered.
    const QRect asked = event->rect();
    const int left = asked.left() / zoom_;
    const int top = asked.top() / zoom_;
    const int right = (asked.right() + zoom_) / zoom_;
    const int bottom = (asked.bottom() + zoom_) / zoom_;
    const QRect dirty =
        QRect(left, top, right - left, bottom - top).intersected(backbuffer_.rect());
    if (dirty.isEmpty()) return;

    if (calculator_ != nullptr) {
        QPainter back(&backbuffer_);
        QtSurface surface(back, images_);
        surface.setClip(Rect{dirty.left(), dirty.top(), dirty.right() + 1, dirty.bottom() + 1});
        paintFaceplate(*calculator_, surface, kClientRect);
    }
    // One scaled copy of a finished picture: crisp whole pixels at any zoom and no seams between
    // the images at a fractional device-pixel ratio.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(dirty.topLeft() * zoom_, dirty.size() * zoom_), backbuffer_, dirty);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || calculator_ == nullptr) {
        QWidget::mousePressEvent(event);
        return;
    }
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

void MainWindow::closeEvent(QCloseEvent* event) {
    endCalculator();
    event->accept();
    QCoreApplication::exit(0);
}

void MainWindow::endCalculator() {
    timer_.stop();
    if (calculator_ == nullptr) return;
    images_.clear();
    tabulor::destroy(*calculator_);
    calculator_.reset();
}

// Nothing of ours depends on being active, so the notice that precedes OFF's close changes
// nothing here.
void MainWindow::notifyDeactivated() {}

void MainWindow::postClose() {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace tabulor
