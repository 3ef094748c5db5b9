// The selected zones and connections of the canvas, by their 0-based indices.
//
// The selection is not part of the template: selecting records no history step
// and doesn't mark the template modified. Indices are kept sorted and unique;
// after any change of the template the editor drops those that no longer name
// an item (or clears the selection when a new template replaces the old one).
#pragma once

#include "model/records.h"

#include <cstdint>
#include <vector>

namespace zw {

class Selection {
  public:
    const std::vector<int32_t>& zones() const { return zones_; }
    const std::vector<int32_t>& connections() const { return connections_; }
    bool empty() const { return zones_.empty() && connections_.empty(); }
    bool hasZone(int32_t k) const;
    bool hasConnection(int32_t j) const;

    void clear();
    void addZone(int32_t k);
    void addConnection(int32_t j);
    // Adds the item when it is not selected, removes it when it is.
    void toggleZone(int32_t k);
    void toggleConnection(int32_t j);
    // Every zone and connection of `t`.
    void selectAll(const TRmg& t);
    // Drops indices beyond the lists of `t`.
    void dropMissing(const TRmg& t);

    bool operator==(const Selection&) const = default;

  private:
    std::vector<int32_t> zones_;
    std::vector<int32_t> connections_;
};

} // namespace zw
