#pragma once
// The tape beside the faceplate: every step's line, the newest in view, selectable and copied
// with Ctrl+C; a note when older lines gave way. It reads the store it is given and follows
// what it is told of it; the actions of its context menu are the window's.

#include <QLabel>
#include <QWidget>

#include "shell/panels/copying_list_view.h"
#include "shell/panels/tape_model.h"

namespace tabulor {

class TapePanel final : public QWidget {
    Q_OBJECT
  public:
    TapePanel(const TapeStore& tape, QWidget* parent);

    CopyingListView* list() const { return list_; }
    QLabel* droppedNote() const { return dropped_; }
    void setZoom(int zoom);
    // The width the panel takes at a zoom.
    int widthAt(int zoom) const;

    void lineAdded();
    void cleared();

  private:
    void showDropped();

    const TapeStore& tape_;
    TapeModel* model_;
    QLabel* title_;
    QLabel* dropped_;
    CopyingListView* list_;
};

}  // namespace tabulor
