// Unlimited step back and forward over whole-template states, each step with
// the name it shows on the step buttons ("Перемещение 3 локаций").
//
// The position counts the steps taken since the history was cleared. The
// position at the last save or load is the clean index: the template has
// unsaved changes exactly when the position differs from it. A change made
// after stepping back past the saved state cuts that state off, so no position
// can be clean again until the next save.
//
// Every state is stored whole, never as a change to another state: a step
// returns a state the template really had, whatever was stored after it. The
// states share what did not change: zones and connections are kept in chunks
// of records that are never written once stored, and a state stores anew only
// the chunks whose records differ from the state stored before it (at the same
// place, or at the same distance from the end after zones were inserted or
// removed). A step that moves one zone stores one chunk.
#pragma once

#include "model/records.h"

#include <memory>
#include <string>
#include <vector>

namespace zw {

// A list of records in shared chunks that never change.
template <class Record> struct SharedRecords {
    std::vector<std::shared_ptr<const std::vector<Record>>> chunks;
    size_t size = 0;
};

class History {
  public:
    // Records the state before a change named `name`: the list is cut to p + 1
    // entries, the current template stored at p, and p advanced.
    void push(const TRmg& current, std::string name = {});
    // The same, taking the template's storage (the document's own, replaced
    // by the change right after).
    void push(TRmg&& current, std::string name = {});
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
    size_t length() const { return states_.size(); }
    bool canStepBack() const { return position_ > 0; }
    bool canStepForward() const { return static_cast<size_t>(position_) + 1 < states_.size(); }
    // The names of the steps that step back and forward would take; empty when
    // there is none.
    std::string backName() const;
    std::string forwardName() const;
    // Stored state i (below length()), whole.
    TRmg snapshot(size_t i) const;
    // Every stored state, whole, in order.
    std::vector<TRmg> snapshots() const;
    // Zones and connections held for all states, each shared record once.
    size_t storedRecords() const;

  private:
    struct State {
        // Everything of the template but its two lists, which are left empty.
        std::shared_ptr<const TRmg> rest;
        SharedRecords<ZoneRecord> zones;
        SharedRecords<ConnectionRecord> connections;
    };
    // `t` as a state sharing what it has in common with `before` (if any).
    static State store(TRmg&& t, const State* before);
    static void unpack(const State& s, TRmg& out);
    // The state the template shown was stored from or is nearest to.
    const State* nearestToShown() const;

    std::vector<State> states_;
    // names_[i]: the change from state i to the state after it.
    std::vector<std::string> names_;
    int position_ = 0;
    int clean_ = 0;
    // The state returned by the last step.
    TRmg shown_;
};

} // namespace zw
