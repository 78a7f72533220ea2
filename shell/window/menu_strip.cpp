#include "shell/window/menu_strip.h"

#include <QHBoxLayout>

#include "shell/panels/panel_font.h"
#include "shell/window/qt_string.h"
#include "shell/window/shell_text.h"

namespace tabulor {

namespace {

// The handheld's menu bar was 26 pixels high; the strip keeps at least that.
constexpr int kMinimumHeight = 26;

}  // namespace

MenuStrip::MenuStrip(QWidget* parent)
    : QFrame(parent),
      tools_(new QToolButton(this)),
      menu_(new QMenu(this)),
      about_(menu_->addAction(qs(text::kAbout))),
      amortization_(nullptr),
      cashFlows_(nullptr),
      reset_(nullptr),
      exit_(nullptr) {
    setObjectName(QStringLiteral("menuStrip"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Menu bar"));

    menu_->setTitle(qs(text::kTools));
    menu_->addSeparator();
    amortization_ = menu_->addAction(qs(text::kAmortization));
    amortization_->setObjectName(QStringLiteral("amortizationAction"));
    cashFlows_ = menu_->addAction(qs(text::kCashFlows));
    cashFlows_->setObjectName(QStringLiteral("cashFlowsAction"));
    menu_->addSeparator();
    reset_ = menu_->addAction(qs(text::kReset));
    menu_->addSeparator();
    exit_ = menu_->addAction(qs(text::kExit));
    about_->setObjectName(QStringLiteral("aboutAction"));
    reset_->setObjectName(QStringLiteral("resetAction"));
    exit_->setObjectName(QStringLiteral("exitAction"));

    tools_->setText(qs(text::kTools));
    tools_->setObjectName(QStringLiteral("toolsButton"));
    tools_->setMenu(menu_);
    tools_->setPopupMode(QToolButton::InstantPopup);
    tools_->setAutoRaise(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->addWidget(tools_);
    layout->addStretch(1);
    hide();
}

void MenuStrip::placeBelow(int top, int width) {
    top_ = top;
    width_ = width;
    if (!isHidden()) place();
}

void MenuStrip::setZoom(int zoom) {
    zoom_ = zoom;
    if (!isHidden()) place();
}

int MenuStrip::heightAt(int zoom) {
    const int hinted = sizeHint().height() * zoom / fontZoom_;
    return std::max(kMinimumHeight * zoom, hinted);
}

void MenuStrip::setVisible(bool visible) {
    if (visible) place();
    QFrame::setVisible(visible);
}

// The size hint asks for font metrics, whose first use loads the font configuration: a cost
// that a window starting in full-screen mode need not pay before its first paint.
void MenuStrip::place() {
    if (fontZoom_ != zoom_) {
        tools_->setFont(zoomedFont(font(), zoom_));
        menu_->setFont(zoomedFont(font(), zoom_));
        layout()->setContentsMargins(2 * zoom_, zoom_, 2 * zoom_, zoom_);
        fontZoom_ = zoom_;
    }
    setGeometry(0, top_, width_, std::max(kMinimumHeight * zoom_, sizeHint().height()));
}

}  // namespace tabulor
