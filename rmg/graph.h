// Automatic layout of imported zones: a greedy constructive placement of graph
// nodes followed by snapping to integers and spreading by random jitter.
//
// The results are part of what users see: the same table imported first after
// a start must give the same positions on every machine, so the generator and
// every arithmetic step are fixed (doubles, the standard cos, sin, atan2 and
// sqrt, halves rounded to even).
#pragma once

#include "model/records.h"

#include <cstdint>
#include <vector>

namespace zw {

// The layout's pseudo-random generator: state 0 at program start, never reseeded.
class LayoutRandom {
  public:
    uint32_t state = 0;
    // state := state * 134775813 + 1 (mod 2^32); returns state / 2^32.
    double real();
    // Integer part of state * n / 2^32 after one step.
    uint32_t below(uint32_t n);
};

struct TNode {
    double x = 0;
    double y = 0;
    bool placed = false;
};

// The integer nearest to v, a half going to the even neighbour; independent of
// the floating-point rounding mode.
double nearestHalfEven(double v);

class Graph {
  public:
    explicit Graph(LayoutRandom& rng) : rng_(rng) {}

    // n nodes (none when n <= 0), no links, nothing placed.
    void initGraph(int n);
    // Joins (v true) or separates nodes a and b; a node may be linked to itself.
    // Indices outside the graph are ignored.
    void setLink(int a, int b, bool v);
    // Smallest distance between two nodes after the layout. A value that is not
    // a finite positive number spreads nothing.
    double minDistance = 3.0;
    // Lays the nodes out. Returns false when a node could not be selected (the
    // caller shows "Ошибка при отображении"); positions computed so far stay.
    bool arrangeGraph();

    const std::vector<TNode>& nodes() const { return nodes_; }
    // Number of distinct nodes linked to node i (a link to itself counts once).
    int degree(int i) const;
    // The nodes linked to node i in increasing order.
    const std::vector<int>& neighbours(int i) const;

  private:
    void normalize(size_t i) const;
    std::vector<int> placementOrder() const;
    void placeNode(size_t a);
    void snapAndSpread();

    LayoutRandom& rng_;
    std::vector<TNode> nodes_;
    // Neighbour lists, symmetric. A list may be unsorted or hold duplicates
    // while `unsorted_` is set for it; it is put in order before it is read.
    mutable std::vector<std::vector<int>> adjacency_;
    mutable std::vector<char> unsorted_;
};

// Lays out the zones of a template as the import does: one graph node per zone,
// one link per connection, minimum distance 3.0; each zone takes its node's
// position rounded to the nearest integer. Returns false when the layout ended
// early (the caller reports it).
bool layoutZones(TRmg& t, LayoutRandom& rng);

} // namespace zw
