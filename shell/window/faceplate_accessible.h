#pragma once
// What a screen reader sees of the faceplate: the display (its reading as text,
// the lit annunciators as its description) and the 30 keys as buttons named by their legends.
// The display announces its changes, the keys take the press action, and the key under the
// pointer takes the reader's focus.

#include <QAccessible>
#include <QAccessibleWidget>
#include <array>
#include <functional>

#include "engine/key_table.h"
#include "shell/window/accessible_faceplate.h"

namespace tabulor {

// Registers the faceplate's accessible interface with Qt; later calls do nothing.
void installFaceplateAccessibility();

class FaceplateAccessible final : public QAccessibleWidget {
  public:
    using EventSink = std::function<void(QAccessibleEvent*)>;

    FaceplateAccessible(QWidget* widget, AccessibleFaceplate* faceplate);
    ~FaceplateAccessible() override;

    // The widgets Qt knows of come first, then the display and the keys.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text kind) const override;

    // Where announcements go: Qt's accessibility bridge, or a test's recorder.
    void setEventSink(EventSink sink) { sink_ = std::move(sink); }

  private:
    static constexpr int kItemCount = 1 + kKeyCount;

    QAccessibleInterface* itemInterface(int item) const;
    QString reading() const;
    void announceDisplay();
    void announcePointerKey();

    AccessibleFaceplate* faceplate_;
    EventSink sink_;
    mutable std::array<QAccessible::Id, kItemCount> ids_{};
    QString lastReading_;
};

}  // namespace tabulor
