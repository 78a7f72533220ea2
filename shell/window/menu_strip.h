#pragma once
// The menu bar of the window: a strip below the faceplate, never over a key, with one "Tools"
// button that opens the Tools menu, its text at the zoom's scale. The window shows it outside
// full-screen mode, growing by its height; it starts hidden.

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

    // Lays the strip `width` pixels wide with its top at `top`: at once when it shows,
    // otherwise when it is next shown.
    void placeBelow(int top, int width);
    void setZoom(int zoom);
    // Its height at a zoom; font metrics, so not before it is first shown.
    int heightAt(int zoom);
    void setVisible(bool visible) override;

  private:
    void place();

    int top_ = 0;
    int width_ = 0;
    int zoom_ = 1;
    int fontZoom_ = 1;
    QToolButton* tools_;
    QMenu* menu_;
    QAction* about_;
    QAction* amortization_;
    QAction* cashFlows_;
    QAction* reset_;
    QAction* exit_;
};

}  // namespace tabulor
