#include "rmg/graph.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>

namespace zw {

double LayoutRandom::real() {
    state = state * 134775813u + 1u;
    return state / 4294967296.0;
}

uint32_t LayoutRandom::below(uint32_t n) {
    state = state * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(state) * n) >> 32);
}

double nearestHalfEven(double v) {
    // v - trunc(v) is exact, so the fraction is compared with a half exactly;
    // every step is exact whatever the rounding mode. std::round is not used:
    // some C libraries (MinGW's) round -0.49999999999999994 to -1.
    const double whole = std::trunc(v);
    const double frac = std::fabs(v - whole);
    if (frac < 0.5)
        return whole;
    const double away = whole + std::copysign(1.0, v);
    if (frac > 0.5)
        return away;
    return std::fmod(whole, 2.0) == 0.0 ? whole : away;
}

void Graph::initGraph(int n) {
    nodes_.assign(static_cast<std::size_t>(n > 0 ? n : 0), TNode{});
    adjacency_.assign(nodes_.size(), {});
    unsorted_.assign(nodes_.size(), 0);
}

void Graph::normalize(size_t i) const {
    if (!unsorted_[i])
        return;
    std::vector<int>& list = adjacency_[i];
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    unsorted_[i] = 0;
}

void Graph::setLink(int a, int b, bool v) {
    const auto n = static_cast<int64_t>(nodes_.size());
    if (a < 0 || b < 0 || a >= n || b >= n)
        return;
    auto add = [&](int from, int to) {
        const auto i = static_cast<size_t>(from);
        std::vector<int>& list = adjacency_[i];
        // Links usually arrive in increasing order; anything else is sorted
        // out once, when the list is next read.
        if (!list.empty() && !unsorted_[i] && list.back() >= to) {
            if (list.back() == to)
                return;
            unsorted_[i] = 1;
        }
        list.push_back(to);
    };
    auto remove = [&](int from, int to) {
        const auto i = static_cast<size_t>(from);
        normalize(i);
        std::vector<int>& list = adjacency_[i];
        const auto it = std::lower_bound(list.begin(), list.end(), to);
        if (it != list.end() && *it == to)
            list.erase(it);
    };
    if (v) {
        add(a, b);
        if (a != b)
            add(b, a);
    } else {
        remove(a, b);
        if (a != b)
            remove(b, a);
    }
}

const std::vector<int>& Graph::neighbours(int i) const {
    const auto k = static_cast<size_t>(i);
    normalize(k);
    return adjacency_.at(k);
}

int Graph::degree(int i) const {
    return static_cast<int>(neighbours(i).size());
}

// Degrees never change during a layout, so the nodes are selected in order of
// decreasing degree, equal degrees by increasing index: the first one as the
// start node, then each as the unplaced node of greatest degree.
std::vector<int> Graph::placementOrder() const {
    std::vector<int> order(nodes_.size());
    std::vector<int> deg(nodes_.size());
    for (size_t i = 0; i < nodes_.size(); ++i) {
        order[i] = static_cast<int>(i);
        deg[i] = degree(static_cast<int>(i));
    }
    std::stable_sort(order.begin(), order.end(), [&](int p, int q) {
        return deg[static_cast<size_t>(p)] > deg[static_cast<size_t>(q)];
    });
    return order;
}

void Graph::placeNode(size_t a) {
    const std::vector<int>& links = neighbours(static_cast<int>(a));
    // The placed neighbours in increasing order; at most two are needed by
    // index, the rest only for the centroid.
    size_t count = 0;
    int p = -1, q = -1;
    double sumX = 0, sumY = 0;
    for (const int j : links) {
        const TNode& nj = nodes_[static_cast<size_t>(j)];
        if (!nj.placed)
            continue;
        if (count == 0)
            p = j;
        else if (count == 1)
            q = j;
        sumX += nj.x;
        sumY += nj.y;
        ++count;
    }
    TNode& node = nodes_[a];
    const double d = static_cast<double>(links.size());
    constexpr double pi = std::numbers::pi;
    if (count == 0) {
        node.x = rng_.real() * 20 - 10;
        node.y = rng_.real() * 20 - 10;
    } else if (count == 1) {
        const TNode& k = nodes_[static_cast<size_t>(p)];
        const double phi = rng_.real() * 2 * pi;
        node.x = k.x + (d + 2) * std::cos(phi);
        node.y = k.y + (d + 2) * std::sin(phi);
    } else if (count == 2) {
        const TNode& np = nodes_[static_cast<size_t>(p)];
        const TNode& nq = nodes_[static_cast<size_t>(q)];
        const double theta = std::atan2(np.y - nq.y, np.x - nq.x);
        const uint32_t r = rng_.below(2);
        const double phi = theta - pi / 2 + r * pi;
        const double dist =
            std::sqrt((np.x - nq.x) * (np.x - nq.x) + (np.y - nq.y) * (np.y - nq.y));
        node.x = (np.x + nq.x) / 2 + dist * std::cos(phi);
        node.y = (np.y + nq.y) / 2 + dist * std::sin(phi);
    } else {
        node.x = sumX / static_cast<double>(count);
        node.y = sumY / static_cast<double>(count);
    }
}

namespace {

// Snapped nodes bucketed by square cells at least minDistance wide, so that a
// node can only be too close to nodes in its own or the eight neighbouring
// cells. The test asks whether any such node exists, so the order in which
// candidates are visited does not matter. The cells live in an open-addressing
// table; each holds the head of a list of its nodes threaded through `next_`.
class SnapGrid {
  public:
    SnapGrid(double minDistance, size_t nodeCount)
        : md_(minDistance), cell_(static_cast<int64_t>(std::min(std::ceil(minDistance), 0x1p52))),
          next_(nodeCount, -1), slots_(64) {
        if (cell_ < 1)
            cell_ = 1;
    }

    bool tooClose(double cx, double cy, const std::vector<TNode>& nodes) const {
        const int64_t kx = cellOf(cx), ky = cellOf(cy);
        for (int64_t bx = kx - 1; bx <= kx + 1; ++bx)
            for (int64_t by = ky - 1; by <= ky + 1; ++by)
                for (int32_t j = head(bx, by); j >= 0; j = next_[static_cast<size_t>(j)]) {
                    const TNode& n = nodes[static_cast<size_t>(j)];
                    if (std::sqrt((cx - n.x) * (cx - n.x) + (cy - n.y) * (cy - n.y)) < md_)
                        return true;
                }
        return false;
    }

    void add(int32_t i, double x, double y) {
        Slot& slot = insert(cellOf(x), cellOf(y));
        next_[static_cast<size_t>(i)] = slot.head;
        slot.head = i;
    }

  private:
    struct Slot {
        int64_t x = 0, y = 0;
        int32_t head = -1; // -1: an empty slot
    };

    static size_t mix(int64_t x, int64_t y) {
        uint64_t h = static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ull;
        h ^= static_cast<uint64_t>(y) + 0x7F4A7C159E3779B9ull + (h << 6) + (h >> 2);
        h ^= h >> 31;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 29;
        return static_cast<size_t>(h);
    }

    int32_t head(int64_t x, int64_t y) const {
        const size_t mask = slots_.size() - 1;
        for (size_t k = mix(x, y) & mask;; k = (k + 1) & mask) {
            const Slot& s = slots_[k];
            if (s.head < 0)
                return -1;
            if (s.x == x && s.y == y)
                return s.head;
        }
    }

    Slot& insert(int64_t x, int64_t y) {
        if (2 * (used_ + 1) > slots_.size())
            grow();
        const size_t mask = slots_.size() - 1;
        for (size_t k = mix(x, y) & mask;; k = (k + 1) & mask) {
            Slot& s = slots_[k];
            if (s.head < 0) {
                s.x = x;
                s.y = y;
                ++used_;
                return s;
            }
            if (s.x == x && s.y == y)
                return s;
        }
    }

    void grow() {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        const size_t mask = slots_.size() - 1;
        for (const Slot& s : old) {
            if (s.head < 0)
                continue;
            size_t k = mix(s.x, s.y) & mask;
            while (slots_[k].head >= 0)
                k = (k + 1) & mask;
            slots_[k] = s;
        }
    }

    // Floor division of an integral coordinate by the cell width.
    int64_t cellOf(double v) const {
        const double bounded = std::isnan(v) ? 0.0 : std::clamp(v, -0x1p62, 0x1p62);
        const auto i = static_cast<int64_t>(bounded);
        int64_t q = i / cell_;
        if (i % cell_ != 0 && i < 0)
            --q;
        return q;
    }

    double md_;
    int64_t cell_;
    std::vector<int32_t> next_;
    std::vector<Slot> slots_; // a power of two in size, at most half full
    size_t used_ = 0;
};

} // namespace

void Graph::snapAndSpread() {
    const double md = minDistance;
    const bool spread = std::isfinite(md) && md > 0;
    SnapGrid grid(spread ? md : 1.0, nodes_.size());
    for (size_t i = 0; i < nodes_.size(); ++i) {
        TNode& node = nodes_[i];
        double cx = nearestHalfEven(node.x);
        double cy = nearestHalfEven(node.y);
        if (spread) {
            double t = 0;
            while (grid.tooClose(cx, cy, nodes_)) {
                t += 1;
                cx = nearestHalfEven(node.x + (rng_.real() - 0.5) * t);
                cy = nearestHalfEven(node.y + (rng_.real() - 0.5) * t);
            }
        }
        node.x = cx;
        node.y = cy;
        if (spread)
            grid.add(static_cast<int32_t>(i), cx, cy);
    }
}

bool Graph::arrangeGraph() {
    for (TNode& node : nodes_)
        node = TNode{};
    if (nodes_.empty())
        return true;
    const std::vector<int> order = placementOrder();
    nodes_[static_cast<size_t>(order[0])].placed = true;
    size_t next = 1; // the first node of `order` that may still be unplaced
    for (size_t k = 1; k < nodes_.size(); ++k) {
        while (next < order.size() && nodes_[static_cast<size_t>(order[next])].placed)
            ++next;
        if (next >= order.size())
            return false;
        const auto a = static_cast<size_t>(order[next]);
        placeNode(a);
        nodes_[a].placed = true;
    }
    snapAndSpread();
    return true;
}

bool layoutZones(TRmg& t, LayoutRandom& rng) {
    Graph g(rng);
    const size_t n = std::min(t.zones.size(), static_cast<size_t>(std::numeric_limits<int>::max()));
    g.initGraph(static_cast<int>(n));
    for (const ConnectionRecord& c : t.connections)
        g.setLink(c.zoneA, c.zoneB, true);
    g.minDistance = 3.0;
    const bool ok = g.arrangeGraph();
    auto toGrid = [](double v) {
        const double r = nearestHalfEven(v);
        return static_cast<int32_t>(std::clamp(r, -2147483648.0, 2147483647.0));
    };
    for (size_t i = 0; i < n; ++i) {
        t.zones[i].gridX = toGrid(g.nodes()[i].x);
        t.zones[i].gridY = toGrid(g.nodes()[i].y);
    }
    return ok;
}

} // namespace zw
