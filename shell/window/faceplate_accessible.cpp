#include "shell/window/faceplate_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <array>
#include <mutex>

#include "display/display_text.h"
#include "faceplate/geometry.h"
#include "faceplate/hit_test.h"
#include "shell/window/qt_string.h"

namespace tabulor {

namespace {

// Item 0 is the display, items 1..30 the keys by KeyCode + 1.
constexpr int kDisplayItem = 0;

QString displayReading(const CalculatorReading& reading) {
    if (!reading.display) return {};
    return qs(cellText(*reading.display)).trimmed();
}

QString annunciatorReading(const CalculatorReading& reading) {
    if (!reading.display) return {};
    QStringList names;
    for (const std::string& name : annunciatorNames(*reading.display))
        names << qs(name);
    return names.join(QStringLiteral(", "));
}

// A part of the faceplate: not a widget of its own, drawn by the window. The keys offer the
// press action, which taps them as the pen does.
class FaceplateItem final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    FaceplateItem(QWidget* widget, AccessibleFaceplate* faceplate, int item)
        : widget_(widget), faceplate_(faceplate), item_(item) {}

    bool isValid() const override { return widget_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return widget_ != nullptr ? widget_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return widget_ != nullptr ? QAccessible::queryAccessibleInterface(widget_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface && item_ != kDisplayItem)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && widget_ != nullptr) faceplate_->tapKey(item_ - 1);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QString text(QAccessible::Text kind) const override {
        const auto now = widget_ != nullptr ? faceplate_->reading() : std::nullopt;
        if (!now) return {};
        if (item_ == kDisplayItem) {
            switch (kind) {
                case QAccessible::Name:
                case QAccessible::Value:
                    return displayReading(*now);
                case QAccessible::Description:
                    return annunciatorReading(*now);
                default:
                    return {};
            }
        }
        const KeyFacts& key = keyFacts(item_ - 1);
        switch (kind) {
            case QAccessible::Name:
                return qs(key.legend);
            case QAccessible::Description:
                return key.shiftedLegend.empty()
                           ? QString()
                           : QStringLiteral("With SHIFT: %1").arg(qs(key.shiftedLegend));
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (widget_ == nullptr || !faceplate_->reading()) return {};
        return faceplate_->globalRect(item_ == kDisplayItem ? faceplate::kDisplayRect
                                                            : faceplate::keyCell(item_ - 1));
    }

    QAccessible::Role role() const override {
        return item_ == kDisplayItem ? QAccessible::StaticText : QAccessible::Button;
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        const auto now = widget_ != nullptr ? faceplate_->reading() : std::nullopt;
        if (!now) {
            state.invalid = true;
            return state;
        }
        if (item_ == kDisplayItem) {
            state.readOnly = true;
        } else {
            state.focusable = true;
            state.focused = faceplate_->keyUnderPointer() == item_ - 1;
            state.hotTracked = state.focused;
            state.pressed = now->heldKey == item_ - 1;
        }
        return state;
    }

  private:
    // The widget may go first; the faceplate is the same object and goes with it.
    QPointer<QWidget> widget_;
    AccessibleFaceplate* faceplate_;
    int item_;
};

}  // namespace

FaceplateAccessible::FaceplateAccessible(QWidget* widget, AccessibleFaceplate* faceplate)
    : QAccessibleWidget(widget, QAccessible::Client, QStringLiteral("Tabulor calculator")),
      faceplate_(faceplate),
      sink_(&QAccessible::updateAccessibility) {
    const FaceplateNotices* notices = &faceplate->notices();
    QObject::connect(notices, &FaceplateNotices::displayChanged, widget,
                     [this] { announceDisplay(); });
    QObject::connect(notices, &FaceplateNotices::pointerKeyChanged, widget,
                     [this] { announcePointerKey(); });
    lastReading_ = reading();
}

FaceplateAccessible::~FaceplateAccessible() {
    for (const QAccessible::Id id : ids_) {
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
}

int FaceplateAccessible::childCount() const {
    return QAccessibleWidget::childCount() + kItemCount;
}

QAccessibleInterface* FaceplateAccessible::child(int index) const {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) return QAccessibleWidget::child(index);
    const int item = index - widgets;
    if (item < 0 || item >= kItemCount) return nullptr;
    QAccessible::Id& id = ids_[static_cast<std::size_t>(item)];
    if (id == 0)
        id =
            QAccessible::registerAccessibleInterface(new FaceplateItem(widget(), faceplate_, item));
    return QAccessible::accessibleInterface(id);
}

int FaceplateAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const int widgets = QAccessibleWidget::childCount();
    for (int item = 0; item < kItemCount; ++item) {
        const QAccessible::Id id = ids_[static_cast<std::size_t>(item)];
        if (id != 0 && QAccessible::accessibleInterface(id) == child) return widgets + item;
    }
    return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* FaceplateAccessible::childAt(int x, int y) const {
    if (QAccessibleInterface* widget = QAccessibleWidget::childAt(x, y)) return widget;
    if (!faceplate_->reading()) return nullptr;
    const QPoint at = faceplate_->faceplatePointAtGlobal(QPoint(x, y));
    const int fx = at.x();
    const int fy = at.y();
    if (const auto key = keyAt(fx, fy)) return itemInterface(1 + *key);
    if (contains(faceplate::kDisplayRect, fx, fy)) return itemInterface(kDisplayItem);
    return nullptr;
}

QString FaceplateAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Description) return QStringLiteral("Display: %1").arg(reading());
    return QAccessibleWidget::text(kind);
}

QAccessibleInterface* FaceplateAccessible::itemInterface(int item) const {
    return child(QAccessibleWidget::childCount() + item);
}

QString FaceplateAccessible::reading() const {
    const auto now = faceplate_->reading();
    if (!now) return {};
    const QString annunciators = annunciatorReading(*now);
    return annunciators.isEmpty() ? displayReading(*now)
                                  : displayReading(*now) + ", " + annunciators;
}

void FaceplateAccessible::announceDisplay() {
    const QString now = reading();
    if (now == lastReading_) return;
    lastReading_ = now;
    QAccessibleInterface* display = itemInterface(kDisplayItem);
    QAccessibleEvent nameChanged(display, QAccessible::NameChanged);
    sink_(&nameChanged);
    QAccessibleEvent descriptionChanged(display, QAccessible::DescriptionChanged);
    sink_(&descriptionChanged);
}

void FaceplateAccessible::announcePointerKey() {
    const auto key = faceplate_->keyUnderPointer();
    if (!key) return;
    QAccessibleEvent focus(itemInterface(1 + *key), QAccessible::Focus);
    sink_(&focus);
}

namespace {

QAccessibleInterface* faceplateAccessibleFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    auto* faceplate = dynamic_cast<AccessibleFaceplate*>(object);
    return widget != nullptr && faceplate != nullptr ? new FaceplateAccessible(widget, faceplate)
                                                     : nullptr;
}

}  // namespace

void installFaceplateAccessibility() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(faceplateAccessibleFactory); });
}

}  // namespace tabulor
