#include "shell/finance/dialog_place.h"

#include <QScreen>
#include <QWidget>

namespace tabulor {

void placeBeside(QWidget* dialog, const QWidget* owner) {
    if (owner == nullptr || owner->screen() == nullptr) return;
    const QRect room = owner->screen()->availableGeometry();
    const QRect calculator = owner->frameGeometry();
    const QPoint right(calculator.right() + 1, calculator.top());
    const QPoint left(calculator.left() - dialog->width() - 1, calculator.top());
    for (const QPoint& place : {right, left}) {
        if (room.contains(QRect(place, dialog->size()))) {
            dialog->move(place);
            return;
        }
    }
}

}  // namespace tabulor
