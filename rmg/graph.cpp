#include "rmg/graph.h"

#include <cstddef>

namespace zw {

double LayoutRandom::real() {
    state = state * 134775813u + 1u;
    return state / 4294967296.0;
}

uint32_t LayoutRandom::below(uint32_t n) {
    state = state * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(state) * n) >> 32);
}

void Graph::initGraph(int n) {
    nodes_.assign(static_cast<std::size_t>(n > 0 ? n : 0), TNode{});
    adjacency_.assign(nodes_.size(), {});
}

void Graph::setLink(int, int, bool) {}

int Graph::degree(int i) const { return static_cast<int>(adjacency_.at(static_cast<std::size_t>(i)).size()); }

bool Graph::arrangeGraph() { return true; }

} // namespace zw
