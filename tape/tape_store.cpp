#include "tape/tape_store.h"

namespace tabulor {

void TapeStore::append(TapeLine line) {
    if (limit_ == 0) {
        ++dropped_;
        return;
    }
    if (lines_.size() == limit_) {
        lines_.pop_front();
        ++dropped_;
    }
    lines_.push_back(std::move(line));
}

void TapeStore::clear() {
    lines_.clear();
    dropped_ = 0;
}

}  // namespace tabulor
