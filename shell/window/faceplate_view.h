#pragma once
// The widget that shows the faceplate: painted from a back buffer at a whole-number zoom and the
// screen's device-pixel ratio, the left mouse button as the pen, the keyboard as a second way to
// press the keys, the keys' tooltips, and the key under the pointer for screen readers.

#include <QImage>
#include <QWidget>
#include <memory>

#include "shell/window/accessible_faceplate.h"
#include "shell/window/calculator_session.h"
#include "shell/window/image_set_loader.h"
#include "shell/window/keyboard_input.h"
#include "shell/window/qt_image_cache.h"
#include "shell/window/zoom_geometry.h"

namespace tabulor {

class FaceplateView final : public QWidget, public AccessibleFaceplate {
    Q_OBJECT
  public:
    FaceplateView(CalculatorSession& session, int zoom, QWidget* parent);

    int zoom() const { return geometry_.zoom; }
    const ZoomGeometry& zoomGeometry() const { return geometry_; }
    void setZoom(int zoom);
    // Whether the keys take the pen and the keyboard; not while a modal box is open.
    void setKeysEnabled(bool enabled) { keysEnabled_ = enabled; }
    // Lets go of a key the keyboard holds down.
    void releaseKeyboardKey();
    // Where the pictures drawn for larger scales come from; until then, while a set is being
    // decoded, and for a scale whose set does not load, scale 1's are enlarged. The store must
    // outlive the view.
    void useImageStore(const ImageStore& store);
    // The scale of the pictures the back buffer is drawn with.
    int drawnScale() const { return drawnScale_; }
    // Whether the set for the zoom is still being decoded.
    bool loadingImages() const { return loader_ != nullptr && loader_->loading(); }

    std::optional<CalculatorReading> reading() const override { return session_.reading(); }
    std::optional<KeyCode> keyUnderPointer() const override { return pointerKey_; }
    void tapKey(KeyCode code) override;
    QRect globalRect(const Rect& faceplateRect) const override;
    QPoint faceplatePointAtGlobal(QPoint global) const override;
    const FaceplateNotices& notices() const override { return notices_; }

  signals:
    // The size changed with the zoom or the device-pixel ratio.
    void resized();

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

  private:
    void repaintFaceplate(Repaint repaint);
    QPoint faceplatePoint(QPointF position) const;
    void setPointerKey(std::optional<KeyCode> key);
    void applyGeometry();
    void refreshDevicePixelRatio();
    void showToolTip(const QHelpEvent& help);
    void chooseImageSet();
    void setLoaded(int scale);
    void drawWith(int scale);
    void copyToScreen(QPainter& painter, const Rect& dirty);

    CalculatorSession& session_;
    ZoomGeometry geometry_;
    QImage backbuffer_;
    // Before the cache, which reads the loader's pictures and so must go first.
    std::unique_ptr<ImageSetLoader> loader_;
    QtImageCache images_;
    int drawnScale_ = 1;
    // The larger set is loaded after the first paint, so that a start at any zoom shows as soon
    // as one at zoom 1 does.
    bool painted_ = false;
    KeyboardHold keyboard_;
    std::optional<KeyCode> pointerKey_;
    FaceplateNotices notices_;
    bool keysEnabled_ = true;
};

}  // namespace tabulor
