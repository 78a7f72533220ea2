#pragma once
// The tape's lines as a list for the panel: each row the line's text form, read from the store
// when it is drawn. The store changes first and the model is told after, so during a removal
// it still answers for the rows the views knew.

#include <QAbstractListModel>
#include <cstdint>

#include "tape/tape_store.h"

namespace tabulor {

class TapeModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    TapeModel(const TapeStore& tape, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // A line was appended, the oldest may have given way; the store was cleared.
    void lineAdded();
    void cleared();

  private:
    const TapeStore& tape_;
    int rows_ = 0;
    int removing_ = 0;  // rows gone from the store's front while the views are told so
    std::uint64_t dropped_ = 0;
};

}  // namespace tabulor
