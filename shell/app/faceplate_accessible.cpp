#include "shell/app/faceplate_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <array>
#include <mutex>

#include "display/display_text.h"
#include "faceplate/geometry.h"
#include "faceplate/hit_test.h"
#include "shell/app/main_window.h"
#include "shell/app/qt_string.h"

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
    FaceplateItem(MainWindow* window, int item) : window_(window), item_(item) {}

    bool isValid() const override { return window_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return window_ != nullptr ? window_->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return window_ != nullptr ? QAccessible::queryAccessibleInterface(window_) : nullptr;
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
        if (name == pressAction() && window_ != nullptr) window_->tapKey(item_ - 1);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QString text(QAccessible::Text kind) const override {
        const auto now = window_ != nullptr ? window_->reading() : std::nullopt;
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
        if (window_ == nullptr || !window_->reading()) return {};
        const Rect area =
            item_ == kDisplayItem ? faceplate::kDisplayRect : faceplate::keyCell(item_ - 1);
        const Rect logical = window_->zoomGeometry().logicalRect(area);
        const QPoint origin = window_->mapToGlobal(QPoint(logical.left, logical.top));
        return QRect(origin, QSize(logical.right - logical.left, logical.bottom - logical.top));
    }

    QAccessible::Role role() const override {
        return item_ == kDisplayItem ? QAccessible::StaticText : QAccessible::Button;
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        const auto now = window_ != nullptr ? window_->reading() : std::nullopt;
        if (!now) {
            state.invalid = true;
            return state;
        }
        if (item_ == kDisplayItem) {
            state.readOnly = true;
        } else {
            state.focusable = true;
            state.focused = window_->keyUnderPointer() == item_ - 1;
            state.hotTracked = state.focused;
            state.pressed = now->heldKey == item_ - 1;
        }
        return state;
    }

  private:
    QPointer<MainWindow> window_;
    int item_;
};

}  // namespace

WindowAccessible::WindowAccessible(MainWindow* window)
    : QAccessibleWidget(window, QAccessible::Client, QStringLiteral("Tabulor calculator")),
      window_(window),
      sink_(&QAccessible::updateAccessibility) {
    QObject::connect(window, &MainWindow::displayChanged, window, [this] { announceDisplay(); });
    QObject::connect(window, &MainWindow::pointerKeyChanged, window,
                     [this] { announcePointerKey(); });
    lastReading_ = reading();
}

WindowAccessible::~WindowAccessible() {
    for (const QAccessible::Id id : ids_) {
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
}

int WindowAccessible::childCount() const {
    return QAccessibleWidget::childCount() + kItemCount;
}

QAccessibleInterface* WindowAccessible::child(int index) const {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) return QAccessibleWidget::child(index);
    const int item = index - widgets;
    if (item < 0 || item >= kItemCount) return nullptr;
    QAccessible::Id& id = ids_[static_cast<std::size_t>(item)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new FaceplateItem(window_, item));
    return QAccessible::accessibleInterface(id);
}

int WindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const int widgets = QAccessibleWidget::childCount();
    for (int item = 0; item < kItemCount; ++item) {
        const QAccessible::Id id = ids_[static_cast<std::size_t>(item)];
        if (id != 0 && QAccessible::accessibleInterface(id) == child) return widgets + item;
    }
    return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* WindowAccessible::childAt(int x, int y) const {
    if (QAccessibleInterface* widget = QAccessibleWidget::childAt(x, y)) return widget;
    if (!window_->reading()) return nullptr;
    const QPoint local = window_->mapFromGlobal(QPoint(x, y));
    const ZoomGeometry& geometry = window_->zoomGeometry();
    const int fx = geometry.faceplateCoordinate(local.x());
    const int fy = geometry.faceplateCoordinate(local.y());
    if (const auto key = keyAt(fx, fy)) return itemInterface(1 + *key);
    if (contains(faceplate::kDisplayRect, fx, fy)) return itemInterface(kDisplayItem);
    return nullptr;
}

QString WindowAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Description) return QStringLiteral("Display: %1").arg(reading());
    return QAccessibleWidget::text(kind);
}

QAccessibleInterface* WindowAccessible::itemInterface(int item) const {
    return child(QAccessibleWidget::childCount() + item);
}

QString WindowAccessible::reading() const {
    const auto now = window_->reading();
    if (!now) return {};
    const QString annunciators = annunciatorReading(*now);
    return annunciators.isEmpty() ? displayReading(*now)
                                  : displayReading(*now) + ", " + annunciators;
}

void WindowAccessible::announceDisplay() {
    const QString now = reading();
    if (now == lastReading_) return;
    lastReading_ = now;
    QAccessibleInterface* display = itemInterface(kDisplayItem);
    QAccessibleEvent nameChanged(display, QAccessible::NameChanged);
    sink_(&nameChanged);
    QAccessibleEvent descriptionChanged(display, QAccessible::DescriptionChanged);
    sink_(&descriptionChanged);
}

void WindowAccessible::announcePointerKey() {
    const auto key = window_->keyUnderPointer();
    if (!key) return;
    QAccessibleEvent focus(itemInterface(1 + *key), QAccessible::Focus);
    sink_(&focus);
}

namespace {

QAccessibleInterface* windowAccessibleFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("tabulor::MainWindow")) return nullptr;
    auto* window = qobject_cast<MainWindow*>(object);
    return window != nullptr ? new WindowAccessible(window) : nullptr;
}

}  // namespace

void installFaceplateAccessibility() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(windowAccessibleFactory); });
}

}  // namespace tabulor
