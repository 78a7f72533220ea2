#pragma once
// The menu bar of the window: a strip along its bottom edge, over the faceplate, with one
// "Tools" button that opens the Tools menu. The window shows it outside full-screen mode; it
// starts hidden.

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QToolButton>

namespace tabulor {

class MenuStrip final : public QFrame {
    Q_OBJECT
  public:
    explicit MenuStrip(QWidget* parent);

    QToolButton* toolsButton() const { return tools_; }
    QMenu* toolsMenu() const { return menu_; }
    QAction* aboutAction() const { return about_; }
    QAction* amortizationAction() const { return amortization_; }
    QAction* cashFlowsAction() const { return cashFlows_; }
    QAction* resetAction() const { return reset_; }
    QAction* exitAction() const { return exit_; }

    // Lays the strip over the bottom edge of a parent `width` × `height` pixels: at once when
    // it shows, otherwise when it is next shown.
    void placeAtBottom(int width, int height);
    void setVisible(bool visible) override;

  private:
    void place();

    QSize parentSize_;
    QToolButton* tools_;
    QMenu* menu_;
    QAction* about_;
    QAction* amortization_;
    QAction* cashFlows_;
    QAction* reset_;
    QAction* exit_;
};

}  // namespace tabulor
