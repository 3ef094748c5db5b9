// Automatic layout of imported zones: a greedy constructive placement of graph
// nodes followed by snapping to integers and spreading by random jitter.
//
// The results are part of what users see: the same table imported first after
// a start must give the same positions on every machine, so the generator and
// every arithmetic step are fixed.
#pragma once

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

class Graph {
  public:
    explicit Graph(LayoutRandom& rng) : rng_(rng) {}

    void initGraph(int n);
    void setLink(int a, int b, bool v);
    double minDistance = 3.0;
    // Lays the nodes out. Returns false when a node could not be selected (the
    // caller shows "Ошибка при отображении"); positions computed so far stay.
    bool arrangeGraph();

    const std::vector<TNode>& nodes() const { return nodes_; }
    int degree(int i) const;

  private:
    LayoutRandom& rng_;
    std::vector<TNode> nodes_;
    std::vector<std::vector<int>> adjacency_; // sorted neighbour lists, symmetric
};

} // namespace zw
