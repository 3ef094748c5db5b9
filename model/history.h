// Unlimited step back and forward over whole-template snapshots. The position
// doubles as the modified counter: greater than 0 means unsaved changes.
#pragma once

#include "model/records.h"

#include <vector>

namespace zw {

class History {
  public:
    // Records the state before a change: the list is cut to p + 1 entries, the
    // current template stored at p, and p advanced.
    void push(const TRmg& current);
    // Returns the template to show after stepping back from `current`. When
    // there is nothing to go back to, nothing changes and `current` is returned.
    const TRmg& stepBack(const TRmg& current);
    // Returns the template to show after stepping forward. When there is
    // nothing beyond the current state, nothing changes and `current` is returned.
    const TRmg& stepForward(const TRmg& current);
    void clear();

    int position() const { return position_; }
    size_t length() const { return snapshots_.size(); }
    bool canStepBack() const { return canBack_; }
    bool canStepForward() const { return canForward_; }
    const std::vector<TRmg>& snapshots() const { return snapshots_; }

  private:
    std::vector<TRmg> snapshots_;
    int position_ = 0;
    bool canBack_ = false;
    bool canForward_ = false;
};

} // namespace zw
