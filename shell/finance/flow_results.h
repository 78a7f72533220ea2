#pragma once
// The results of a cash-flow list (NPV, NFV, the IRR per period and per year) in the display's
// format, each a label a screen reader reads with its caption, with a button that copies it and
// one that keys it into the calculator; under them the note on the IRR or why there are none.

#include <QWidget>
#include <array>
#include <optional>

#include "display/glyph.h"

class QLabel;
class QPushButton;

namespace tabulor {

enum class FlowResult { Npv, Nfv, IrrPerPeriod, IrrPerYear };
inline constexpr int kFlowResults = 4;

class FlowResults final : public QWidget {
    Q_OBJECT
  public:
    explicit FlowResults(QWidget* parent);

    // Nothing shows a dash and offers nothing to copy or use.
    void showResult(FlowResult which, std::optional<double> value, int decimals,
                    MarkCode decimalMark);
    void showNote(const QString& note);

  signals:
    // The full value, for the calculator to key in.
    void useRequested(double value);

  private:
    struct Line {
        QLabel* caption;
        QLabel* value;
        QPushButton* copy;
        QPushButton* use;
        std::optional<double> number;
        QString copied;  // as shown, with a point and no grouping
    };

    void copy(int which);

    std::array<Line, kFlowResults> lines_;
    QLabel* note_;
};

}  // namespace tabulor
