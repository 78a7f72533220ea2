#include "shell/window/faceplate_view.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWindow>
#include <algorithm>

#include "faceplate/faceplate.h"
#include "faceplate/hit_test.h"
#include "shell/window/faceplate_accessible.h"
#include "shell/window/key_map.h"
#include "shell/window/qt_string.h"
#include "shell/window/qt_surface.h"

namespace tabulor {

namespace {

QRect toQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

Rect toRect(const QRect& rect) {
    return Rect{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
}

}  // namespace

FaceplateView::FaceplateView(CalculatorSession& session, int zoom, QWidget* parent)
    : QWidget(parent),
      session_(session),
      backbuffer_(faceplate::kWidth, faceplate::kHeight, QImage::Format_RGB32) {
    installFaceplateAccessibility();
    setObjectName(QStringLiteral("faceplate"));
    setAccessibleName(QStringLiteral("Tabulor calculator"));
    // Every paint covers its region with the faceplate: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    backbuffer_.fill(Qt::white);
    geometry_.zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    geometry_.devicePixelRatio = devicePixelRatioF();
    applyGeometry();
    connect(&session_, &CalculatorSession::repaintRequested, this,
            &FaceplateView::repaintFaceplate);
    connect(&session_, &CalculatorSession::ending, this, [this] {
        keyboard_.drop();
        images_.clear();
        if (loader_) loader_->want(1);
    });
}

void FaceplateView::setZoom(int zoom) {
    const int clamped = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (clamped == geometry_.zoom) return;
    geometry_.zoom = clamped;
    applyGeometry();
}

void FaceplateView::applyGeometry() {
    setFixedSize(geometry_.logicalWidth(), geometry_.logicalHeight());
    if (painted_) chooseImageSet();
    update();
    emit resized();
}

void FaceplateView::useImageStore(const ImageStore& store) {
    loader_ = std::make_unique<ImageSetLoader>(store);
    connect(loader_.get(), &ImageSetLoader::loaded, this, &FaceplateView::setLoaded);
    if (painted_) chooseImageSet();
}

// Until the zoom's set is decoded, scale 1's pictures are drawn enlarged.
void FaceplateView::chooseImageSet() {
    int wanted = imageSetScale(geometry_.scale());
    if (loader_ == nullptr || !session_.running()) wanted = 1;
    if (wanted != drawnScale_) drawWith(wanted == 1 || loader_->at(wanted) != nullptr ? wanted : 1);
    if (loader_ != nullptr) loader_->want(wanted);
}

void FaceplateView::setLoaded(int scale) {
    if (session_.running() && scale == imageSetScale(geometry_.scale())) drawWith(scale);
}

void FaceplateView::drawWith(int scale) {
    if (scale == drawnScale_) return;
    // The cache reads the pictures it was made from: it goes before they do.
    images_.clear();
    drawnScale_ = scale;
    backbuffer_ =
        QImage(faceplate::kWidth * scale, faceplate::kHeight * scale, QImage::Format_RGB32);
    backbuffer_.fill(Qt::white);
    update();
}

void FaceplateView::tapKey(KeyCode code) {
    // The open About box is modal: the pen cannot reach the keys behind it, nor may a reader.
    if (!keysEnabled_) return;
    releaseKeyboardKey();
    session_.tapKey(code);
}

void FaceplateView::releaseKeyboardKey() {
    if (keyboard_.drop()) session_.keyUp();
}

void FaceplateView::repaintFaceplate(Repaint repaint) {
    update(toQRect(geometry_.logicalRect(repaintRect(repaint))));
    emit notices_.displayChanged();
}

QPoint FaceplateView::faceplatePoint(QPointF position) const {
    return QPoint(geometry_.faceplateCoordinate(position.x()),
                  geometry_.faceplateCoordinate(position.y()));
}

QRect FaceplateView::globalRect(const Rect& faceplateRect) const {
    const Rect logical = geometry_.logicalRect(faceplateRect);
    const QPoint origin = mapToGlobal(QPoint(logical.left, logical.top));
    return QRect(origin, QSize(logical.right - logical.left, logical.bottom - logical.top));
}

QPoint FaceplateView::faceplatePointAtGlobal(QPoint global) const {
    return faceplatePoint(mapFromGlobal(global));
}

bool FaceplateView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && session_.running()) {
        showToolTip(*static_cast<QHelpEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void FaceplateView::showToolTip(const QHelpEvent& help) {
    const QPoint at = faceplatePoint(help.pos());
    const auto key = keyAt(at.x(), at.y());
    if (!key) {
        QToolTip::hideText();
        return;
    }
    const KeyFacts& facts = keyFacts(*key);
    QString tip = qs(facts.legend);
    if (!facts.shiftedLegend.empty())
        tip += QStringLiteral(" (SHIFT: %1)").arg(qs(facts.shiftedLegend));
    tip += QStringLiteral("\nKeyboard: %1").arg(qs(keyboardKeysFor(*key)));
    QToolTip::showText(help.globalPos(), tip, this);
}

void FaceplateView::paintEvent(QPaintEvent* event) {
    const Rect asked = geometry_.faceplateRect(toRect(event->rect()));
    const QRect dirty = toQRect(asked).intersected(toQRect(kClientRect));
    QPainter painter(this);
    if (!dirty.isEmpty()) {
        const int k = drawnScale_;
        // Once the calculator has ended, the last picture stays; nothing is loaded for it.
        const auto* calculator = session_.calculator();
        const FaceplateImages* images = calculator == nullptr ? nullptr
                                        : k == 1              ? &session_.images()
                                                              : loader_->at(k);
        if (images != nullptr) {
            QPainter back(&backbuffer_);
            QtSurface surface(back, images_);
            surface.setClip(scaled(toRect(dirty), k));
            paintFaceplate(*images, *calculator, surface, scaled(kClientRect, k));
        }
        copyToScreen(painter, toRect(dirty));
    }
    // Where the logical size rounds up past the faceplate, the case's white continues.
    const QRect covered = toQRect(geometry_.logicalRect(kClientRect));
    const QRegion margin = QRegion(event->rect()).subtracted(covered);
    for (const QRect& rect : margin)
        painter.fillRect(rect, Qt::white);
    if (!painted_) {
        painted_ = true;
        QMetaObject::invokeMethod(this, &FaceplateView::chooseImageSet, Qt::QueuedConnection);
    }
}

// Whole device pixels per faceplate pixel: crisp at every zoom and device-pixel ratio, with no
// seams between the images. Where the set drawn is smaller than the device scale it is
// enlarged, by whole pixels where the scales divide, smoothly where they do not; a smooth
// enlargement reads a pixel past the region so that its edges match its neighbours'.
void FaceplateView::copyToScreen(QPainter& painter, const Rect& dirty) {
    const int k = drawnScale_;
    const int s = geometry_.scale();
    const double ratio = geometry_.devicePixelRatio;
    if (s % k == 0) {
        // Drawn straight from the back buffer: the painter's unsmoothed scaling repeats whole
        // pixels exactly, and a first paint at a large zoom makes no enlarged copy to wait for.
        const QRectF target(dirty.left * s / ratio, dirty.top * s / ratio,
                            (dirty.right - dirty.left) * s / ratio,
                            (dirty.bottom - dirty.top) * s / ratio);
        painter.drawImage(target, backbuffer_, QRectF(toQRect(scaled(dirty, k))));
        return;
    }
    const Rect source{std::max(dirty.left - 1, 0), std::max(dirty.top - 1, 0),
                      std::min(dirty.right + 1, kClientRect.right),
                      std::min(dirty.bottom + 1, kClientRect.bottom)};
    QImage part = backbuffer_.copy(toQRect(scaled(source, k)))
                      .scaled(QSize(source.right - source.left, source.bottom - source.top) * s,
                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    part.setDevicePixelRatio(ratio);
    painter.save();
    painter.setClipRect(toQRect(geometry_.logicalRect(dirty)));
    painter.drawImage(QPointF(source.left * s / ratio, source.top * s / ratio), part);
    painter.restore();
}

void FaceplateView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !session_.running()) {
        QWidget::mousePressEvent(event);
        return;
    }
    releaseKeyboardKey();
    const QPoint at = faceplatePoint(event->position());
    session_.penDown(at.x(), at.y());
}

// Taps come quickly on a calculator: a second press is a press, never a double click.
void FaceplateView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void FaceplateView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !session_.running()) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    session_.penUp();
}

void FaceplateView::mouseMoveEvent(QMouseEvent* event) {
    if (session_.running()) {
        const QPoint at = faceplatePoint(event->position());
        setPointerKey(keyAt(at.x(), at.y()));
    }
    QWidget::mouseMoveEvent(event);
}

void FaceplateView::leaveEvent(QEvent* event) {
    setPointerKey(std::nullopt);
    QWidget::leaveEvent(event);
}

void FaceplateView::setPointerKey(std::optional<KeyCode> key) {
    if (key == pointerKey_) return;
    pointerKey_ = key;
    emit notices_.pointerKeyChanged();
}

void FaceplateView::keyPressEvent(QKeyEvent* event) {
    const std::optional<KeyCode> code = faceplateKeyFor(*event);
    if (!session_.running() || !code) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // A key held down repeats in the keyboard, not on the calculator; and one key at a time,
    // as with the pen.
    if (event->isAutoRepeat() || keyboard_.holding()) return;
    if (session_.keyDown(*code)) keyboard_.hold(*event);
}

void FaceplateView::keyReleaseEvent(QKeyEvent* event) {
    if (!keyboard_.releasedBy(*event)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    session_.keyUp();
}

// A key release that goes to another window would leave the key held for good.
void FaceplateView::focusOutEvent(QFocusEvent* event) {
    releaseKeyboardKey();
    QWidget::focusOutEvent(event);
}

void FaceplateView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* shown = window()->windowHandle()) {
        connect(shown, &QWindow::screenChanged, this, &FaceplateView::refreshDevicePixelRatio,
                Qt::UniqueConnection);
    }
    refreshDevicePixelRatio();
}

void FaceplateView::refreshDevicePixelRatio() {
    if (geometry_.devicePixelRatio == devicePixelRatioF()) return;
    geometry_.devicePixelRatio = devicePixelRatioF();
    applyGeometry();
}

}  // namespace tabulor
