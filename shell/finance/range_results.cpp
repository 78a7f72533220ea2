#include "shell/finance/range_results.h"

#include <QGridLayout>
#include <QLabel>

#include "display/shown_number.h"
#include "shell/finance/finance_text.h"
#include "shell/window/qt_string.h"

namespace tabulor {

namespace {

constexpr std::string_view kCaptions[] = {text::kInterest, text::kPrincipal, text::kBalance};
constexpr const char* kNames[] = {"interestResult", "principalResult", "balanceResult"};

}  // namespace

RangeResults::RangeResults(QWidget* parent) : QWidget(parent), refusal_(new QLabel(this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        auto* caption = new QLabel(qs(kCaptions[i]), this);
        captions_[i] = caption;
        values_[i] = new QLabel(this);
        values_[i]->setObjectName(QLatin1String(kNames[i]));
        values_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        values_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        caption->setBuddy(values_[i]);
        grid->addWidget(caption, i, 0);
        grid->addWidget(values_[i], i, 1);
    }
    grid->setColumnStretch(2, 1);
    refusal_->setObjectName(QStringLiteral("rangeRefusal"));
    refusal_->setWordWrap(true);
    refusal_->hide();
    grid->addWidget(refusal_, 3, 0, 1, 3);
}

void RangeResults::showValue(int which, const QString& value) {
    values_[which]->setText(value);
    // Read as one: "Interest -13,894.66".
    const QString caption = qs(kCaptions[which]);
    values_[which]->setAccessibleName(value.isEmpty() ? caption : caption + ' ' + value);
}

void RangeResults::showSpan(const AmortizationSpan& span, int decimals, MarkCode decimalMark) {
    const double amounts[] = {span.interest, span.principal, span.balance};
    for (int i = 0; i < 3; ++i)
        showValue(i, qs(shownNumber(amounts[i], decimals, decimalMark)));
    showLines(true);
    refusal_->hide();
}

void RangeResults::showLines(bool shown) {
    for (int i = 0; i < 3; ++i) {
        captions_[i]->setVisible(shown);
        values_[i]->setVisible(shown);
    }
}

void RangeResults::showRefusal(const QString& reason) {
    for (int i = 0; i < 3; ++i)
        showValue(i, QString());
    showLines(false);
    refusal_->setText(reason);
    refusal_->setAccessibleName(reason);
    refusal_->show();
}

}  // namespace tabulor
