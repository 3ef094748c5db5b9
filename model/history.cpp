#include "model/history.h"

namespace zw {

void History::push(const TRmg& current, std::string name) {
    const size_t p = static_cast<size_t>(position_);
    // The saved state, when it lay beyond p, is cut off with the rest.
    if (clean_ > position_)
        clean_ = -1;
    snapshots_.resize(p + 1);
    names_.resize(p + 1);
    snapshots_[p] = current;
    names_[p] = std::move(name);
    ++position_;
}

const TRmg& History::stepBack(const TRmg& current) {
    if (position_ <= 0)
        return current;
    // With no step back since the last change the current state is not stored
    // yet: keep it so that stepping forward reaches it. Its own name is unused.
    if (snapshots_.size() == static_cast<size_t>(position_)) {
        snapshots_.push_back(current);
        names_.emplace_back();
    }
    --position_;
    return snapshots_[static_cast<size_t>(position_)];
}

const TRmg& History::stepForward(const TRmg& current) {
    if (!canStepForward())
        return current;
    ++position_;
    return snapshots_[static_cast<size_t>(position_)];
}

void History::currentChanged(const TRmg& current) {
    if (static_cast<size_t>(position_) < snapshots_.size())
        snapshots_[static_cast<size_t>(position_)] = current;
}

void History::clear() {
    snapshots_.clear();
    names_.clear();
    position_ = 0;
    clean_ = 0;
}

std::string History::backName() const {
    return canStepBack() ? names_[static_cast<size_t>(position_) - 1] : std::string();
}

std::string History::forwardName() const {
    return canStepForward() ? names_[static_cast<size_t>(position_)] : std::string();
}

} // namespace zw
