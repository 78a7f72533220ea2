#pragma once
// What the screen-reader support needs of the widget that draws the faceplate, and nothing
// more: its reading, the key under the pointer, a tap for the press action, and where faceplate
// pixels are on the screen. Its notices say when the display or the pointer's key changed.

#include <QObject>
#include <QRect>
#include <optional>

#include "engine/calculator_reading.h"
#include "faceplate/rect.h"

class QWidget;

namespace tabulor {

class FaceplateNotices final : public QObject {
    Q_OBJECT
  signals:
    void displayChanged();
    void pointerKeyChanged();
};

class AccessibleFaceplate {
  public:
    virtual ~AccessibleFaceplate() = default;
    // None once the calculator has ended.
    virtual std::optional<CalculatorReading> reading() const = 0;
    virtual std::optional<KeyCode> keyUnderPointer() const = 0;
    virtual void tapKey(KeyCode code) = 0;
    // The screen rectangle of a faceplate rectangle.
    virtual QRect globalRect(const Rect& faceplateRect) const = 0;
    // The faceplate pixel under a screen position.
    virtual QPoint faceplatePointAtGlobal(QPoint global) const = 0;
    virtual const FaceplateNotices& notices() const = 0;
};

}  // namespace tabulor
