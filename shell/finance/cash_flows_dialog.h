#pragma once
// Tools ▸ Cash flows: a list of flows, CF0 and then each flow with its count, with its NPV and
// NFV at a rate per period and its IRR, worked out as the list and the rate change. Not modal;
// the list stays while the window is open, and opens and saves as CSV. A result copies, or is
// keyed into the calculator.

#include <QDialog>
#include <functional>
#include <optional>
#include <span>

#include "engine/calculator_reading.h"
#include "finance/cash_flows.h"
#include "finance/irr_search.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tabulor {

class FlowModel;
class FlowResults;

class CashFlowsDialog final : public QDialog {
    Q_OBJECT
  public:
    using ReadingSource = std::function<std::optional<CalculatorReading>()>;
    using KeyTyper = std::function<void(std::span<const KeyCode>)>;
    CashFlowsDialog(ReadingSource read, KeyTyper type, QWidget* owner);

  public slots:
    // Follows the display's format and P/YR. Nothing while hidden.
    void refresh();
    void pasteFlows();
    void openFlows();
    void saveFlows();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // What the list and the rate give, kept so that a new format costs no new search.
    struct Worked {
        std::optional<FlowValue> npv;
        std::optional<FlowValue> nfv;
        std::optional<IrrResult> irr;
        QString rateFault;
        QString listFault;
        bool blank = true;
    };

    void setUpTable();
    QLayout* makeRateRow();
    QLayout* makeRowButtons();
    QLayout* makeFileRow();
    void setTabOrder();
    void prefillRate();
    void workFlows();
    void workRate();
    void showResults();
    QString resultsNote() const;
    void useValue(double value);
    void say(const QString& news);

    ReadingSource read_;
    KeyTyper type_;
    std::int32_t decimals_ = 2;
    MarkCode decimalMark_ = MarkCode::Point;
    double paymentsPerYear_ = 12.0;
    CashFlowList flows_;
    Worked worked_;
    QLineEdit* rate_;
    FlowModel* model_;
    QTableView* table_;
    QPushButton* add_;
    QPushButton* insert_;
    QPushButton* delete_;
    QPushButton* paste_;
    FlowResults* results_;
    QLabel* news_;
    QPushButton* open_;
    QPushButton* save_;
    QPushButton* close_;
};

}  // namespace tabulor
