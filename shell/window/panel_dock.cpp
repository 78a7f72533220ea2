#include "shell/window/panel_dock.h"

#include <QApplication>
#include <QClipboard>

#include "shell/panels/tape_file.h"
#include "shell/panels/tape_save.h"

namespace tabulor {

PanelDock::PanelDock(CalculatorSession& session, QWidget* window)
    : QObject(window),
      session_(session),
      window_(window),
      showTape_(addAction(QStringLiteral("&Tape\tCtrl+T"), "tapeAction")),
      showRegisters_(addAction(QStringLiteral("&Registers\tCtrl+R"), "registersAction")),
      copyTape_(addAction(QStringLiteral("&Copy the tape"), "copyTapeAction")),
      saveTape_(addAction(QStringLiteral("&Save the tape ..."), "saveTapeAction")),
      clearTape_(addAction(QStringLiteral("C&lear the tape"), "clearTapeAction")) {
    showTape_->setCheckable(true);
    showRegisters_->setCheckable(true);
    connect(showTape_, &QAction::toggled, this, &PanelDock::showTape);
    connect(showRegisters_, &QAction::toggled, this, &PanelDock::showRegisters);
    connect(copyTape_, &QAction::triggered, this, &PanelDock::copyTape);
    connect(saveTape_, &QAction::triggered, this, [this] { saveTapeAs(window_, session_.tape()); });
    connect(clearTape_, &QAction::triggered, &session_, &CalculatorSession::clearTape);
    connect(&session_, &CalculatorSession::tapeLineAdded, this, [this] {
        if (tape_ != nullptr) tape_->lineAdded();
    });
    connect(&session_, &CalculatorSession::tapeCleared, this, [this] {
        if (tape_ != nullptr) tape_->cleared();
    });
    connect(&session_, &CalculatorSession::repaintRequested, this, &PanelDock::refreshRegisters);
}

QAction* PanelDock::addAction(const QString& text, const char* name) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void PanelDock::addToMenu(QMenu* menu, QAction* before) const {
    menu->insertActions(before, {showTape_, showRegisters_});
    menu->insertSeparator(before);
    menu->insertActions(before, {copyTape_, saveTape_, clearTape_});
    menu->insertSeparator(before);
}

void PanelDock::showTape(bool on) {
    if (on && tape_ == nullptr) {
        tape_ = new TapePanel(session_.tape(), window_);
        tape_->setZoom(zoom_);
        auto* copy = new QAction(QStringLiteral("Copy\tCtrl+C"), tape_);
        connect(copy, &QAction::triggered, tape_->list(), &CopyingListView::copySelection);
        tape_->list()->addActions({copy, copyTape_, saveTape_, clearTape_});
    }
    if (tape_ != nullptr) tape_->setVisible(on);
    emit layoutChanged();
}

void PanelDock::showRegisters(bool on) {
    if (on && registers_ == nullptr) {
        registers_ = new RegisterView(window_);
        registers_->setZoom(zoom_);
        auto* copy = new QAction(QStringLiteral("Copy the value\tCtrl+C"), registers_);
        connect(copy, &QAction::triggered, registers_->list(), &CopyingListView::copySelection);
        registers_->list()->addAction(copy);
    }
    if (registers_ != nullptr) registers_->setVisible(on);
    refreshRegisters();
    emit layoutChanged();
}

void PanelDock::refreshRegisters() {
    if (registers_ == nullptr || registers_->isHidden()) return;
    if (const auto now = session_.reading()) registers_->setReading(*now);
}

void PanelDock::copyTape() {
    const std::string text = tapeFileContents(session_.tape(), TapeFormat::Text);
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void PanelDock::setZoom(int zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    if (tape_ != nullptr) tape_->setZoom(zoom);
    if (registers_ != nullptr) registers_->setZoom(zoom);
}

int PanelDock::widthAt(int zoom) const {
    int width = 0;
    if (tape_ != nullptr && !tape_->isHidden()) width += tape_->widthAt(zoom);
    if (registers_ != nullptr && !registers_->isHidden()) width += registers_->widthAt(zoom);
    return width;
}

int PanelDock::place(int left, int height) {
    int x = left;
    for (QWidget* panel : {static_cast<QWidget*>(tape_), static_cast<QWidget*>(registers_)}) {
        if (panel == nullptr || panel->isHidden()) continue;
        const int width = panel == tape_ ? tape_->widthAt(zoom_) : registers_->widthAt(zoom_);
        panel->setGeometry(x, 0, width, height);
        x += width;
    }
    return x - left;
}

}  // namespace tabulor
