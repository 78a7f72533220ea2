#pragma once
// The amortization schedule as a Qt table: payment or year, interest, principal and balance in
// the display's format, and a total row under them.

#include <QAbstractTableModel>

#include "display/glyph.h"
#include "shell/finance/schedule_table.h"

namespace tabulor {

class ScheduleModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(ScheduleTable table, MarkCode decimalMark);
    const ScheduleTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QString cellText(int row, int column) const;

    ScheduleTable table_;
    MarkCode decimalMark_ = MarkCode::Point;
};

}  // namespace tabulor
