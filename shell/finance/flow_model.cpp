#include "shell/finance/flow_model.h"

#include <QColor>

#include "shell/finance/finance_text.h"
#include "shell/window/qt_string.h"

namespace tabulor {

namespace {

QString flowName(int row) {
    return QStringLiteral("CF%1").arg(row);
}

}  // namespace

FlowModel::FlowModel(QObject* parent) : QAbstractTableModel(parent), rows_(1) {}

FlowModel::Row FlowModel::rowOf(double amount, std::int64_t count, char decimalMark) {
    Row row;
    row.amount.text = qs(cellText(amount, decimalMark));
    row.amountValue = amount;
    row.count.text = QString::number(count);
    row.countValue = count;
    return row;
}

void FlowModel::enter(Row& row, int column, const QString& text) const {
    const std::string typed = text.trimmed().toStdString();
    if (column == 0) {
        const EntryRead<double> read = amountEntry(typed, decimalMark_);
        row.amount = {text.trimmed(), typed.empty() ? QString() : qs(read.fault)};
        row.amountValue = read.value;
        return;
    }
    const EntryRead<std::int64_t> read = countEntry(typed.empty() ? "1" : typed, decimalMark_);
    row.count = {typed.empty() ? QStringLiteral("1") : text.trimmed(), qs(read.fault)};
    row.countValue = read.value.value_or(1);
}

// A blank amount is a fault only once something has been entered.
QString FlowModel::cellFault(int row, int column) const {
    const Row& flow = rows_[row];
    if (column == 1) return row == 0 ? QString() : flow.count.fault;
    if (!flow.amount.fault.isEmpty()) return flow.amount.fault;
    return flow.amountValue ? QString() : qs(text::kAmountMissing);
}

FlowCheck FlowModel::check() const {
    FlowCheck check;
    check.blank = rows_.size() == 1 && rows_[0].amount.text.isEmpty();
    if (check.blank) return check;
    std::int64_t periods = 0;
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < 2; ++column) {
            const QString fault = cellFault(row, column);
            if (fault.isEmpty()) continue;
            const Cell& cell = column == 0 ? rows_[row].amount : rows_[row].count;
            check.fault =
                cell.text.isEmpty()
                    ? flowName(row) + ": " + fault
                    : QStringLiteral("%1: %2 '%3' %4")
                          .arg(flowName(row), column == 0 ? "amount" : "count", cell.text, fault);
            check.flows.clear();
            return check;
        }
        const std::int64_t count = row == 0 ? 1 : rows_[row].countValue;
        if (row > 0) periods += count;
        if (periods > kMostPeriods) {
            check.fault = qs(text::kTooManyPeriods);
            check.flows.clear();
            return check;
        }
        check.flows.push_back({*rows_[row].amountValue, count});
    }
    return check;
}

void FlowModel::setFlows(const CashFlowList& flows) {
    beginResetModel();
    rows_.clear();
    for (const CashFlow& flow : flows)
        rows_.push_back(rowOf(flow.amount, flow.count, decimalMark_));
    if (rows_.empty()) rows_.resize(1);
    endResetModel();
}

QString FlowModel::paste(int row, const PastedFlows& pasted) {
    if (!pasted.fault.empty()) return qs(pasted.fault);
    row = std::clamp(row, 0, rowCount());
    if (row == 0 && pasted.flows.front().count.value_or(1) != 1)
        return qs(text::kInitialCountsOnce);
    beginResetModel();
    for (const PastedFlow& flow : pasted.flows) {
        const std::int64_t count =
            flow.count.value_or(row < rowCount() ? rows_[row].countValue : 1);
        if (row == rowCount()) rows_.emplace_back();
        rows_[row] = rowOf(flow.amount, row == 0 ? 1 : count, decimalMark_);
        ++row;
    }
    endResetModel();
    return {};
}

void FlowModel::appendFlow() {
    insertFlow(rowCount());
}

void FlowModel::insertFlow(int row) {
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    rows_.insert(rows_.begin() + row, Row{});
    endInsertRows();
    // The flow that was CF0 now has a count, 1 as it counted.
    if (row == 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void FlowModel::removeFlow(int row) {
    if (row < 0 || row >= rowCount()) return;
    if (rowCount() == 1) {
        rows_[0] = Row{};
        emit dataChanged(index(0, 0), index(0, 1));
        return;
    }
    // A flow repeated n times that becomes CF0 keeps its other n - 1 as CF1, so that no flow
    // of the series is lost with the count CF0 cannot hold.
    if (row == 0 && rows_[1].countValue > 1) {
        Row& next = rows_[1];
        enter(next, 1, QString::number(next.countValue - 1));
        rows_[0] = next;
        rows_[0].count = Cell{QStringLiteral("1"), {}};
        rows_[0].countValue = 1;
        emit dataChanged(index(0, 0), index(1, 1));
        return;
    }
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
    emit headerDataChanged(Qt::Vertical, row, rowCount() - 1);
}

int FlowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FlowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant FlowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Row& row = rows_[index.row()];
    const bool initialCount = index.row() == 0 && index.column() == 1;
    const bool blank = rows_.size() == 1 && rows_[0].amount.text.isEmpty();
    const bool faulty = !blank && !cellFault(index.row(), index.column()).isEmpty();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
        case Qt::AccessibleTextRole:
            if (initialCount) return QStringLiteral("1");
            return index.column() == 0 ? row.amount.text : row.count.text;
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return faulty ? QVariant(QColor(255, 205, 205)) : QVariant();
        case Qt::ForegroundRole:
            return faulty ? QVariant(QColor(150, 0, 0)) : QVariant();
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            if (initialCount) return qs(text::kInitialCountsOnce);
            return faulty ? cellFault(index.row(), index.column()) : QVariant();
        default:
            return {};
    }
}

bool FlowModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    enter(rows_[index.row()], index.column(), value.toString());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags FlowModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.row() == 0 && index.column() == 1) return shown;
    return shown | Qt::ItemIsEditable;
}

QVariant FlowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return flowName(section);
    return qs(section == 0 ? text::kAmount : text::kCount);
}

}  // namespace tabulor
