#pragma once
// The panels beside the faceplate, to its right: the tape, then the register view. Each is made
// the first time it is shown (the tape records from the start all the same, in the session),
// follows the zoom, and is laid out by the window. The actions that show them and work the
// tape are here, for the Tools menu and the tape's own menu.

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>

#include "shell/panels/register_view.h"
#include "shell/panels/tape_panel.h"
#include "shell/window/calculator_session.h"

namespace tabulor {

class PanelDock final : public QObject {
    Q_OBJECT
  public:
    PanelDock(CalculatorSession& session, QWidget* window);

    // Null until first shown.
    TapePanel* tapePanel() const { return tape_; }
    RegisterView* registerView() const { return registers_; }
    QAction* tapeAction() const { return showTape_; }
    QAction* registersAction() const { return showRegisters_; }
    QAction* copyTapeAction() const { return copyTape_; }
    QAction* saveTapeAction() const { return saveTape_; }
    QAction* clearTapeAction() const { return clearTape_; }
    // Before `before`, with a separator after them.
    void addToMenu(QMenu* menu, QAction* before) const;

    void toggleTape() { showTape_->trigger(); }
    void toggleRegisters() { showRegisters_->trigger(); }
    void setZoom(int zoom);
    // The width the shown panels take at a zoom.
    int widthAt(int zoom) const;
    // Lays the shown panels side by side from `left`, `height` high; the width they took.
    int place(int left, int height);

  signals:
    // A panel was shown or hidden: the window's size changes.
    void layoutChanged();

  private:
    QAction* addAction(const QString& text, const char* name);
    void showTape(bool on);
    void showRegisters(bool on);
    void copyTape();
    void refreshRegisters();

    CalculatorSession& session_;
    QWidget* window_;
    int zoom_ = 1;
    QPointer<TapePanel> tape_;
    QPointer<RegisterView> registers_;
    QAction* showTape_;
    QAction* showRegisters_;
    QAction* copyTape_;
    QAction* saveTape_;
    QAction* clearTape_;
};

}  // namespace tabulor
