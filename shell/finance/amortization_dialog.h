#pragma once
// Tools ▸ Amortization: the interest, principal and balance of payments P1 to P2, and the
// schedule as a table by payment or by year, from the TVM registers as they stand. Not modal:
// it follows the registers while the calculator is worked. The table copies as tab-separated
// text and saves as CSV.

#include <QDialog>
#include <functional>
#include <optional>

#include "engine/calculator_reading.h"
#include "shell/finance/schedule_table.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

namespace tabulor {

class RangeResults;
class ScheduleModel;

class AmortizationDialog final : public QDialog {
    Q_OBJECT
  public:
    using ReadingSource = std::function<std::optional<CalculatorReading>()>;
    AmortizationDialog(ReadingSource read, QWidget* owner);

  public slots:
    // Reads the registers again; rebuilds what they changed. Nothing while hidden.
    void refresh();
    void copyTable();
    void saveTable();
    void nextYear();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void setUpTable();
    QLayout* makeRangeRow();
    QLayout* makeGroupingRow();
    QLayout* makeButtonRow();
    void rebuild(const AmortizationTerms& terms, MarkCode decimalMark);
    void rebuildTable();
    void showRange();
    void say(const QString& news);

    ReadingSource read_;
    std::optional<AmortizationTerms> shown_;  // what the dialog was built from
    MarkCode decimalMark_ = MarkCode::Point;
    ReachedTerms reached_;
    bool rangeChosen_ = false;  // P1 and P2 set once there were payments
    QSpinBox* first_;
    QSpinBox* last_;
    QPushButton* nextYear_;
    RangeResults* results_;
    QButtonGroup* grouping_;
    ScheduleModel* model_;
    QTableView* table_;
    QLabel* note_;
    QLabel* news_;
    QPushButton* copy_;
    QPushButton* save_;
};

}  // namespace tabulor
