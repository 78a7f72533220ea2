#pragma once
// The three results of a range of payments (interest, principal, balance) in the display's
// format, each a label a screen reader reads with its caption, or the reason there are none.

#include <QWidget>

#include "display/glyph.h"
#include "finance/amortization.h"

class QLabel;

namespace tabulor {

class RangeResults final : public QWidget {
    Q_OBJECT
  public:
    explicit RangeResults(QWidget* parent);

    void showSpan(const AmortizationSpan& span, int decimals, MarkCode decimalMark);
    void showRefusal(const QString& reason);

  private:
    void showValue(int which, const QString& value);
    void showLines(bool shown);

    QLabel* captions_[3];
    QLabel* values_[3];
    QLabel* refusal_;
};

}  // namespace tabulor
