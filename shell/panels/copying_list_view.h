#pragma once
// A list whose Ctrl+C copies the selected rows as text, one line each, from their kCopyRole,
// and takes the key from the window's own Ctrl+C while the list has the focus.

#include <QListView>

namespace tabulor {

// The text a row gives the clipboard.
inline constexpr int kCopyRole = Qt::UserRole + 1;

class CopyingListView final : public QListView {
    Q_OBJECT
  public:
    explicit CopyingListView(QWidget* parent);

    // The selected rows from top to bottom, a line end between two; empty for none.
    QString selectedText() const;
    void copySelection() const;

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tabulor
