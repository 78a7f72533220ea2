#pragma once
// The application window: the faceplate view at its top left, the tape and register panels to
// its right, the menu strip below that full-screen mode hides, and the commands (About, Reset,
// Exit, the clipboard, zoom, the panels, bringing it forward) that its keys and menu reach. The
// calculator and its rules live in the session; this class puts the rooms together.

#include <QPointer>
#include <QWidget>
#include <memory>
#include <span>

#include "shell/finance/amortization_dialog.h"
#include "shell/finance/cash_flows_dialog.h"
#include "shell/window/about_box.h"
#include "shell/window/calculator_session.h"
#include "shell/window/faceplate_view.h"
#include "shell/window/menu_strip.h"
#include "shell/window/panel_dock.h"
#include "shell/window/window_commands.h"

namespace tabulor {

class MainWindow final : public QWidget {
    Q_OBJECT
  public:
    // Takes an initialized calculator and the images it is drawn from.
    MainWindow(std::unique_ptr<Calculator> calculator, FaceplateImages images, int zoom);
    ~MainWindow() override;

    CalculatorSession& session() { return session_; }
    const CalculatorSession& session() const { return session_; }
    FaceplateView* view() const { return view_; }
    MenuStrip* menuStrip() const { return strip_; }
    PanelDock* panels() const { return panels_; }
    // The open About box, null while none is open.
    AboutBox* aboutBox() const { return about_; }
    // Null until first opened.
    AmortizationDialog* amortizationDialog() const { return amortization_; }
    CashFlowsDialog* cashFlowsDialog() const { return cashFlows_; }

    void setZoom(int zoom) { view_->setZoom(zoom); }

  public slots:
    void showAbout();
    // Made when first opened; then it follows the registers.
    void showAmortization();
    // Made when first opened; its list lasts until the window closes.
    void showCashFlows();
    void resetCalculator();
    void exitApplication() { close(); }
    // Raises and activates the window, and the About box over it when that is open. On Wayland
    // the activation token of the start that asked lets the compositor grant the focus.
    void bringForward(const QString& activationToken = {});
    // Up to the largest zoom whose window fits the screen; an explicit larger one is kept.
    void zoomIn();
    void zoomOut() { setZoom(view_->zoom() - 1); }
    void copyNumber();
    void pasteNumber();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void run(Command command);
    // Keys typed into the calculator, as paste and the cash flows' Use do.
    void typeKeys(std::span<const KeyCode> keys);
    static void bringUp(QWidget* dialog);
    void addCommandShortcuts();
    void fitToView();
    int largestZoomOnScreen() const;

    CalculatorSession session_;
    FaceplateView* view_;
    MenuStrip* strip_;
    PanelDock* panels_;
    QPointer<AboutBox> about_;
    QPointer<AmortizationDialog> amortization_;
    QPointer<CashFlowsDialog> cashFlows_;
};

}  // namespace tabulor
