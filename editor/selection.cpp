#include "editor/selection.h"

#include <algorithm>

namespace zw {

namespace {

bool contains(const std::vector<int32_t>& v, int32_t x) {
    return std::binary_search(v.begin(), v.end(), x);
}

void insertSorted(std::vector<int32_t>& v, int32_t x) {
    const auto at = std::lower_bound(v.begin(), v.end(), x);
    if (at == v.end() || *at != x)
        v.insert(at, x);
}

void toggle(std::vector<int32_t>& v, int32_t x) {
    const auto at = std::lower_bound(v.begin(), v.end(), x);
    if (at != v.end() && *at == x)
        v.erase(at);
    else
        v.insert(at, x);
}

void dropFrom(std::vector<int32_t>& v, size_t count) {
    v.erase(std::remove_if(v.begin(), v.end(),
                           [count](int32_t x) { return x < 0 || static_cast<size_t>(x) >= count; }),
            v.end());
}

} // namespace

bool Selection::hasZone(int32_t k) const {
    return contains(zones_, k);
}

bool Selection::hasConnection(int32_t j) const {
    return contains(connections_, j);
}

void Selection::clear() {
    zones_.clear();
    connections_.clear();
}

void Selection::addZone(int32_t k) {
    insertSorted(zones_, k);
}

void Selection::addConnection(int32_t j) {
    insertSorted(connections_, j);
}

void Selection::toggleZone(int32_t k) {
    toggle(zones_, k);
}

void Selection::toggleConnection(int32_t j) {
    toggle(connections_, j);
}

void Selection::selectAll(const TRmg& t) {
    zones_.resize(t.zones.size());
    for (size_t k = 0; k < zones_.size(); ++k)
        zones_[k] = static_cast<int32_t>(k);
    connections_.resize(t.connections.size());
    for (size_t j = 0; j < connections_.size(); ++j)
        connections_[j] = static_cast<int32_t>(j);
}

void Selection::dropMissing(const TRmg& t) {
    dropFrom(zones_, t.zones.size());
    dropFrom(connections_, t.connections.size());
}

} // namespace zw
