#include "shell/panels/tape_model.h"

#include "shell/panels/copying_list_view.h"
#include "tape/tape_text.h"

namespace tabulor {

TapeModel::TapeModel(const TapeStore& tape, QObject* parent)
    : QAbstractListModel(parent),
      tape_(tape),
      rows_(static_cast<int>(tape.size())),
      dropped_(tape.dropped()) {}

int TapeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant TapeModel::data(const QModelIndex& index, int role) const {
    const int kept = index.row() - removing_;
    if (!index.isValid() || kept < 0 || kept >= static_cast<int>(tape_.size())) return {};
    switch (role) {
        case Qt::DisplayRole:
        case kCopyRole:
            return QString::fromStdString(tapeText(tape_[static_cast<std::size_t>(kept)]));
        case Qt::AccessibleTextRole:
            // The columns' blanks mean nothing to a listener.
            return QString::fromStdString(tapeText(tape_[static_cast<std::size_t>(kept)]))
                .simplified();
        default:
            return {};
    }
}

void TapeModel::lineAdded() {
    const auto gone = static_cast<int>(std::min<std::uint64_t>(tape_.dropped() - dropped_, rows_));
    dropped_ = tape_.dropped();
    if (gone > 0) {
        removing_ = gone;
        beginRemoveRows({}, 0, gone - 1);
        rows_ -= gone;
        removing_ = 0;
        endRemoveRows();
    }
    const int size = static_cast<int>(tape_.size());
    if (size > rows_) {
        beginInsertRows({}, rows_, size - 1);
        rows_ = size;
        endInsertRows();
    }
}

void TapeModel::cleared() {
    beginResetModel();
    rows_ = static_cast<int>(tape_.size());
    dropped_ = tape_.dropped();
    endResetModel();
}

}  // namespace tabulor
