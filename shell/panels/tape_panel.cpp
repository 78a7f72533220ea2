#include "shell/panels/tape_panel.h"

#include <QLocale>
#include <QScrollBar>
#include <QVBoxLayout>

#include "shell/panels/panel_font.h"

namespace tabulor {

namespace {

// Wide enough for a line's three columns and the annunciators most lines carry.
constexpr int kColumns = 58;
constexpr int kMargin = 4;

}  // namespace

TapePanel::TapePanel(const TapeStore& tape, QWidget* parent)
    : QWidget(parent),
      tape_(tape),
      model_(new TapeModel(tape, this)),
      title_(new QLabel(QStringLiteral("Tape"), this)),
      dropped_(new QLabel(this)),
      list_(new CopyingListView(this)) {
    setObjectName(QStringLiteral("tapePanel"));
    setAutoFillBackground(true);
    list_->setObjectName(QStringLiteral("tapeList"));
    list_->setAccessibleName(QStringLiteral("Tape"));
    list_->setUniformItemSizes(true);
    // A line wider than the panel scrolls rather than losing its end.
    list_->setTextElideMode(Qt::ElideNone);
    list_->setModel(model_);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    title_->setAccessibleName(QStringLiteral("Tape"));
    dropped_->setObjectName(QStringLiteral("tapeDropped"));
    dropped_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(dropped_);
    layout->addWidget(list_, 1);
    showDropped();
    list_->scrollToBottom();
}

void TapePanel::setZoom(int zoom) {
    const QFont fixed = fixedPitchFont(zoom);
    list_->setFont(fixed);
    const QFont plain = zoomedFont(QWidget::font(), zoom);
    QFont heading = plain;
    heading.setBold(true);
    title_->setFont(heading);
    dropped_->setFont(plain);
    layout()->setContentsMargins(kMargin * zoom, kMargin * zoom, kMargin * zoom, kMargin * zoom);
    list_->scrollToBottom();
}

int TapePanel::widthAt(int zoom) const {
    const QFontMetrics metrics(fixedPitchFont(zoom));
    return metrics.horizontalAdvance(QString(kColumns, '0')) + 2 * list_->frameWidth() +
           list_->verticalScrollBar()->sizeHint().width() + 2 * kMargin * zoom;
}

void TapePanel::lineAdded() {
    // Only a reader at the newest line is carried along; one scrolled back stays where it is.
    const QScrollBar* bar = list_->verticalScrollBar();
    const bool atNewest = bar->value() == bar->maximum();
    model_->lineAdded();
    showDropped();
    if (atNewest) list_->scrollToBottom();
}

void TapePanel::cleared() {
    model_->cleared();
    showDropped();
}

void TapePanel::showDropped() {
    const std::uint64_t dropped = tape_.dropped();
    dropped_->setVisible(dropped > 0);
    if (dropped == 0) return;
    const QLocale locale(QLocale::English);
    dropped_->setText(QStringLiteral("%1 older line%2 dropped; the last %3 are kept")
                          .arg(locale.toString(static_cast<qulonglong>(dropped)),
                               dropped == 1 ? QString() : QStringLiteral("s"),
                               locale.toString(static_cast<qulonglong>(tape_.size()))));
}

}  // namespace tabulor
