#include "shell/finance/flow_results.h"

#include <QAction>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include "display/shown_number.h"
#include "finance/irr_text.h"
#include "finance/shown_amount.h"
#include "shell/finance/finance_text.h"
#include "shell/window/qt_string.h"

namespace tabulor {

namespace {

constexpr std::string_view kCaptions[] = {text::kNpv, text::kNfv, text::kIrrPerPeriod,
                                          text::kIrrPerYear};
constexpr const char* kNames[] = {"npvResult", "nfvResult", "irrResult", "irrPerYearResult"};
constexpr QChar kNone(0x2014);

bool isPercent(int which) {
    return which >= static_cast<int>(FlowResult::IrrPerPeriod);
}

}  // namespace

FlowResults::FlowResults(QWidget* parent) : QWidget(parent), note_(new QLabel(this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kFlowResults; ++i) {
        const QString caption = qs(kCaptions[i]);
        Line& line = lines_[i];
        line.caption = new QLabel(caption, this);
        line.value = new QLabel(kNone, this);
        line.value->setObjectName(QLatin1String(kNames[i]));
        line.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Reached by Tab, so that Ctrl+C copies the result in focus.
        line.value->setFocusPolicy(Qt::StrongFocus);
        line.value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        line.value->setAccessibleName(caption);
        line.caption->setBuddy(line.value);
        line.copy = new QPushButton(qs(text::kCopy), this);
        line.use = new QPushButton(qs(text::kUse), this);
        line.copy->setAutoDefault(false);
        line.use->setAutoDefault(false);
        line.copy->setAccessibleName(qs(text::kCopy) + ' ' + caption);
        line.use->setAccessibleName(qs(text::kUse) + ' ' + caption + " in the calculator");
        line.use->setToolTip(QStringLiteral("Key %1 into the calculator's display").arg(caption));
        auto* copyAction = new QAction(line.value);
        copyAction->setShortcut(QKeySequence::Copy);
        copyAction->setShortcutContext(Qt::WidgetShortcut);
        line.value->addAction(copyAction);
        connect(copyAction, &QAction::triggered, this, [this, i] { copy(i); });
        connect(line.copy, &QPushButton::clicked, this, [this, i] { copy(i); });
        connect(line.use, &QPushButton::clicked, this, [this, i] {
            if (lines_[i].number) emit useRequested(*lines_[i].number);
        });
        grid->addWidget(line.caption, i, 0);
        grid->addWidget(line.value, i, 1);
        grid->addWidget(line.copy, i, 2);
        grid->addWidget(line.use, i, 3);
    }
    grid->setColumnStretch(1, 1);
    note_->setObjectName(QStringLiteral("flowNote"));
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(note_, kFlowResults, 0, 1, 4);
}

void FlowResults::showResult(FlowResult which, std::optional<double> value, int decimals,
                             MarkCode decimalMark) {
    const int i = static_cast<int>(which);
    Line& line = lines_[i];
    line.number = value;
    QString shown = kNone;
    line.copied.clear();
    if (value) {
        shown = qs(isPercent(i) ? percentText(*value, decimals, decimalMark)
                                : shownNumber(*value, decimals, decimalMark));
        line.copied = qs(textOf(amountText(*value, decimals)));
    }
    line.value->setText(shown);
    // Read as one: "NPV 3,065.22".
    line.value->setAccessibleName(qs(kCaptions[i]) + ' ' + shown);
    line.copy->setEnabled(value.has_value());
    line.use->setEnabled(value.has_value());
}

void FlowResults::showNote(const QString& note) {
    note_->setText(note);
    note_->setAccessibleName(note);
    note_->setVisible(!note.isEmpty());
}

void FlowResults::copy(int which) {
    if (lines_[which].copied.isEmpty()) return;
    QGuiApplication::clipboard()->setText(lines_[which].copied);
}

}  // namespace tabulor
