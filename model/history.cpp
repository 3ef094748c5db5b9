#include "model/history.h"

namespace zw {

void History::push(const TRmg& current) {
    snapshots_.resize(static_cast<size_t>(position_) + 1);
    snapshots_[static_cast<size_t>(position_)] = current;
    canBack_ = true;
    canForward_ = false;
    ++position_;
}

const TRmg& History::stepBack(const TRmg& current) {
    if (position_ <= 0)
        return current;
    // With no step back since the last change the current state is not stored
    // yet: keep it so that stepping forward reaches it.
    if (snapshots_.size() == static_cast<size_t>(position_)) {
        push(current);
        --position_;
    }
    --position_;
    canBack_ = position_ > 0;
    canForward_ = true;
    return snapshots_[static_cast<size_t>(position_)];
}

const TRmg& History::stepForward(const TRmg& current) {
    if (static_cast<size_t>(position_) + 1 >= snapshots_.size())
        return current;
    ++position_;
    canBack_ = true;
    canForward_ = static_cast<size_t>(position_) + 1 < snapshots_.size();
    return snapshots_[static_cast<size_t>(position_)];
}

void History::clear() {
    snapshots_.clear();
    position_ = 0;
    canBack_ = false;
    canForward_ = false;
}

} // namespace zw
