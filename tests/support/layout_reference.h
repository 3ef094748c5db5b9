// A plain transcription of the automatic layout's rules: a full n x n link
// matrix, a scan of every node's links for every selection, and the snap test
// against all earlier nodes. The production layout must match it bit for bit;
// the tests compare the two and the benchmark measures both.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <vector>

namespace zw::test {

struct RefRandom {
    uint32_t state = 0;
    double real() {
        state = state * 134775813u + 1u;
        return static_cast<double>(state) / 4294967296.0;
    }
    uint32_t below(uint32_t n) {
        state = state * 134775813u + 1u;
        return static_cast<uint32_t>(std::floor(static_cast<double>(state) * n / 4294967296.0));
    }
};

struct RefNode {
    std::vector<bool> links;
    double x = 0, y = 0;
    bool placed = false;
};

struct RefGraph {
    std::vector<RefNode> graphNodes;
    double minDistance = 3.0;
    RefRandom& rng;
    bool failed = false;

    explicit RefGraph(RefRandom& r) : rng(r) {}

    void initGraph(int n) {
        graphNodes.assign(static_cast<size_t>(n), RefNode{});
        for (auto& node : graphNodes)
            node.links.assign(static_cast<size_t>(n), false);
    }
    void setLink(int a, int b, bool v) {
        graphNodes[static_cast<size_t>(a)].links[static_cast<size_t>(b)] = v;
        graphNodes[static_cast<size_t>(b)].links[static_cast<size_t>(a)] = v;
    }
    int degree(size_t i) const {
        return static_cast<int>(
            std::count(graphNodes[i].links.begin(), graphNodes[i].links.end(), true));
    }
    std::optional<size_t> selectNode(bool onlyUnplaced) const {
        if (onlyUnplaced && std::none_of(graphNodes.begin(), graphNodes.end(),
                                         [](const RefNode& n) { return n.placed; }))
            return std::nullopt;
        std::optional<size_t> best;
        int bestDegree = -1;
        for (size_t i = 0; i < graphNodes.size(); ++i) {
            if (onlyUnplaced && graphNodes[i].placed)
                continue;
            const int d = degree(i);
            if (d > bestDegree) {
                best = i;
                bestDegree = d;
            }
        }
        return best;
    }
    static double nearest(double v) { return std::nearbyint(v); } // default mode: halves to even

    void placeNode(size_t a) {
        std::vector<size_t> L;
        for (size_t j = 0; j < graphNodes.size(); ++j)
            if (graphNodes[a].links[j] && graphNodes[j].placed)
                L.push_back(j);
        const double d = degree(a);
        const double pi = std::numbers::pi;
        RefNode& n = graphNodes[a];
        if (L.empty()) {
            n.x = rng.real() * 20 - 10;
            n.y = rng.real() * 20 - 10;
        } else if (L.size() == 1) {
            const RefNode& k = graphNodes[L[0]];
            const double phi = rng.real() * (2 * pi);
            n.x = k.x + (d + 2) * std::cos(phi);
            n.y = k.y + (d + 2) * std::sin(phi);
        } else if (L.size() == 2) {
            const RefNode& p = graphNodes[L[0]];
            const RefNode& q = graphNodes[L[1]];
            const double theta = std::atan2(p.y - q.y, p.x - q.x);
            const double r = rng.below(2);
            const double phi = theta - pi / 2 + r * pi;
            const double D = std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y));
            n.x = (p.x + q.x) / 2 + D * std::cos(phi);
            n.y = (p.y + q.y) / 2 + D * std::sin(phi);
        } else {
            double sx = 0, sy = 0;
            for (size_t j : L) {
                sx += graphNodes[j].x;
                sy += graphNodes[j].y;
            }
            n.x = sx / static_cast<double>(L.size());
            n.y = sy / static_cast<double>(L.size());
        }
    }

    void arrangeGraph() {
        for (auto& n : graphNodes) {
            n.placed = false;
            n.x = n.y = 0;
        }
        if (graphNodes.empty())
            return;
        graphNodes[*selectNode(false)].placed = true;
        for (size_t k = 1; k < graphNodes.size(); ++k) {
            const auto a = selectNode(true);
            if (!a) {
                failed = true;
                return;
            }
            placeNode(*a);
            graphNodes[*a].placed = true;
        }
        for (size_t i = 0; i < graphNodes.size(); ++i) {
            RefNode& n = graphNodes[i];
            double cx = nearest(n.x), cy = nearest(n.y);
            double t = 0;
            for (;;) {
                bool close = false;
                for (size_t j = 0; j < i; ++j) {
                    const RefNode& m = graphNodes[j];
                    if (std::sqrt((cx - m.x) * (cx - m.x) + (cy - m.y) * (cy - m.y)) < minDistance)
                        close = true;
                }
                if (!close)
                    break;
                t = t + 1;
                cx = nearest(n.x + (rng.real() - 0.5) * t);
                cy = nearest(n.y + (rng.real() - 0.5) * t);
            }
            n.x = cx;
            n.y = cy;
        }
    }
};

} // namespace zw::test
