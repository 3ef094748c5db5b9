// Unlimited step back and forward over whole-template snapshots, each step with
// the name it shows on the step buttons ("Перемещение 3 локаций").
//
// The position counts the steps taken since the history was cleared. The
// position at the last save or load is the clean index: the template has
// unsaved changes exactly when the position differs from it. A change made
// after stepping back past the saved state cuts that state off, so no position
// can be clean again until the next save.
#pragma once

#include "model/records.h"

#include <string>
#include <vector>

namespace zw {

class History {
  public:
    // Records the state before a change named `name`: the list is cut to p + 1
    // entries, the current template stored at p, and p advanced.
    void push(const TRmg& current, std::string name = {});
    // Returns the template to show after stepping back from `current`. When
    // there is nothing to go back to, nothing changes and `current` is returned.
    const TRmg& stepBack(const TRmg& current);
    // Returns the template to show after stepping forward. When there is
    // nothing beyond the current state, nothing changes and `current` is returned.
    const TRmg& stepForward(const TRmg& current);
    // Empties the list; the position, 0, is clean.
    void clear();
    // The current position is the saved state.
    void markClean() { clean_ = position_; }
    // No position is saved: the template was made, not read (from a pattern).
    void markNeverSaved() { clean_ = -1; }
    // The template shown was changed without a step (what the compile derives):
    // after stepping back, the snapshot it came from takes the change too, so
    // that a step away and back returns it as it is now.
    void currentChanged(const TRmg& current);

    int position() const { return position_; }
    // The clean index; -1 when the saved state was cut off.
    int cleanIndex() const { return clean_; }
    bool modified() const { return position_ != clean_; }
    size_t length() const { return snapshots_.size(); }
    bool canStepBack() const { return position_ > 0; }
    bool canStepForward() const { return static_cast<size_t>(position_) + 1 < snapshots_.size(); }
    // The names of the steps that step back and forward would take; empty when
    // there is none.
    std::string backName() const;
    std::string forwardName() const;
    const std::vector<TRmg>& snapshots() const { return snapshots_; }

  private:
    std::vector<TRmg> snapshots_;
    // names_[i]: the change from snapshot i to the state after it.
    std::vector<std::string> names_;
    int position_ = 0;
    int clean_ = 0;
};

} // namespace zw
