#pragma once
// Where a finance dialog opens.

class QWidget;

namespace tabulor {

// Beside the calculator where the screen has room, so that neither hides the other; otherwise
// where the window manager puts it.
void placeBeside(QWidget* dialog, const QWidget* owner);

}  // namespace tabulor
