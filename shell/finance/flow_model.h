#pragma once
// The cash-flow list as an editable Qt table: a row a flow, CF0 first, with its amount and its
// count. Each cell keeps the text typed and what it read as, so that an entry that is no number
// stays in view, flagged, rather than lost. CF0's count is 1 and not edited.

#include <QAbstractTableModel>
#include <optional>

#include "finance/cash_flows.h"
#include "shell/finance/flow_entry.h"

namespace tabulor {

// The list the table holds, or the first entry that keeps it from being one.
struct FlowCheck {
    CashFlowList flows;
    QString fault;       // "CF2: amount 'abc' is not a number"; empty when the list is whole
    bool blank = false;  // nothing entered yet
};

class FlowModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit FlowModel(QObject* parent);

    // The decimal mark entries are read with from now on, '.' or ','.
    void setDecimalMark(char mark) { decimalMark_ = mark; }
    char decimalMark() const { return decimalMark_; }

    FlowCheck check() const;
    void setFlows(const CashFlowList& flows);
    // The rows from `row` on take the pasted flows, rows added as needed; a fault changes nothing.
    QString paste(int row, const PastedFlows& pasted);
    void appendFlow();
    void insertFlow(int row);
    // The last row left is emptied instead.
    void removeFlow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    struct Cell {
        QString text;
        QString fault;  // empty when the text read
    };
    struct Row {
        Cell amount;
        Cell count{QStringLiteral("1"), {}};
        std::optional<double> amountValue;
        std::int64_t countValue = 1;
    };

    void enter(Row& row, int column, const QString& text) const;
    static Row rowOf(double amount, std::int64_t count, char decimalMark);
    QString cellFault(int row, int column) const;

    std::vector<Row> rows_;
    char decimalMark_ = '.';
};

}  // namespace tabulor
