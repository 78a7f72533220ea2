#include "shell/finance/schedule_model.h"

#include <QFont>

#include "display/shown_number.h"
#include "shell/finance/finance_text.h"
#include "shell/window/qt_string.h"

namespace tabulor {

namespace {

constexpr int kColumns = 4;

}  // namespace

void ScheduleModel::setTable(ScheduleTable table, MarkCode decimalMark) {
    beginResetModel();
    table_ = std::move(table);
    decimalMark_ = decimalMark;
    endResetModel();
}

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !table_.refusal.empty()) return 0;
    return static_cast<int>(table_.rows.size()) + 1;
}

int ScheduleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString ScheduleModel::cellText(int row, int column) const {
    const bool total = row == static_cast<int>(table_.rows.size());
    const AmortizationSpan& span = total ? table_.total : table_.rows[row].span;
    switch (column) {
        case 0:
            return total ? qs(text::kTotal) : QString::number(table_.rows[row].number);
        case 1:
            return qs(shownNumber(span.interest, table_.decimals, decimalMark_));
        case 2:
            return qs(shownNumber(span.principal, table_.decimals, decimalMark_));
        default:
            return qs(shownNumber(span.balance, table_.decimals, decimalMark_));
    }
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return cellText(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::FontRole:
            if (index.row() == static_cast<int>(table_.rows.size())) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        default:
            return {};
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case 0:
            return qs(table_.grouping == ScheduleGrouping::ByYear ? text::kYear : text::kPayment);
        case 1:
            return qs(text::kInterest);
        case 2:
            return qs(text::kPrincipal);
        case 3:
            return qs(text::kBalance);
        default:
            return {};
    }
}

}  // namespace tabulor
