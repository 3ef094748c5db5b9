// The automatic layout: hand-worked small graphs, the properties every layout
// keeps, and a plain transcription of the rules (a full n x n link matrix,
// scans of all nodes for every selection, the snap test against all earlier
// nodes) that the production layout must match bit for bit.
#include "rmg/graph.h"
#include "support/layout_reference.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <numbers>
#include <optional>
#include <random>

namespace zw {
namespace {

using test::RefGraph;
using test::RefNode;
using test::RefRandom;

using Links = std::vector<std::tuple<int, int, bool>>;

struct Layout {
    std::vector<std::pair<double, double>> points;
    uint32_t state;
    bool operator==(const Layout&) const = default;
};

// The layout of n nodes with these links by the production graph, drawing from `rng`.
Layout runProduction(LayoutRandom& rng, int n, const Links& links, double md = 3.0) {
    Graph g(rng);
    g.initGraph(n);
    for (auto [a, b, v] : links)
        g.setLink(a, b, v);
    g.minDistance = md;
    EXPECT_TRUE(g.arrangeGraph());
    Layout out{{}, rng.state};
    for (const TNode& node : g.nodes())
        out.points.emplace_back(node.x, node.y);
    return out;
}

Layout runProduction(int n, const Links& links, uint32_t state, double md = 3.0) {
    LayoutRandom rng;
    rng.state = state;
    return runProduction(rng, n, links, md);
}

// The same by the transcription.
Layout runReference(RefRandom& rng, int n, const Links& links, double md = 3.0) {
    RefGraph g(rng);
    g.initGraph(n);
    for (auto [a, b, v] : links)
        g.setLink(a, b, v);
    g.minDistance = md;
    g.arrangeGraph();
    EXPECT_FALSE(g.failed);
    Layout out{{}, rng.state};
    for (const RefNode& node : g.graphNodes)
        out.points.emplace_back(node.x, node.y);
    return out;
}

Layout runReference(int n, const Links& links, uint32_t state, double md = 3.0) {
    RefRandom rng;
    rng.state = state;
    return runReference(rng, n, links, md);
}

void expectSameBits(const Layout& a, const Layout& b, const std::string& what) {
    ASSERT_EQ(a.points.size(), b.points.size()) << what;
    for (size_t i = 0; i < a.points.size(); ++i) {
        EXPECT_EQ(std::bit_cast<uint64_t>(a.points[i].first),
                  std::bit_cast<uint64_t>(b.points[i].first))
            << what << " node " << i;
        EXPECT_EQ(std::bit_cast<uint64_t>(a.points[i].second),
                  std::bit_cast<uint64_t>(b.points[i].second))
            << what << " node " << i;
    }
    EXPECT_EQ(a.state, b.state) << what;
}

void expectSpread(const Layout& l, double md) {
    for (size_t i = 0; i < l.points.size(); ++i) {
        EXPECT_EQ(l.points[i].first, std::trunc(l.points[i].first));
        EXPECT_EQ(l.points[i].second, std::trunc(l.points[i].second));
        for (size_t j = 0; j < i; ++j) {
            const double dx = l.points[i].first - l.points[j].first;
            const double dy = l.points[i].second - l.points[j].second;
            EXPECT_GE(std::sqrt(dx * dx + dy * dy), md) << i << ' ' << j;
        }
    }
}

// ---- Hand-worked cases ----

TEST(LayoutRandom, FollowsTheLinearCongruence) {
    LayoutRandom r;
    EXPECT_EQ(r.real(), 1.0 / 4294967296.0);
    EXPECT_EQ(r.state, 1u);
    EXPECT_EQ(r.below(2), 0u); // state 134775814
    EXPECT_EQ(r.state, 134775814u);
    r.state = 0xFFFFFFFFu;
    EXPECT_EQ(r.real(), static_cast<double>(0xFFFFFFFFu * 134775813u + 1u) / 4294967296.0);
    r.state = 649090866u; // the next state is 2^32 - 1
    EXPECT_EQ(r.below(10), 9u);
    r.state = 649090867u; // the next state is 0
    EXPECT_EQ(r.real(), 0.0);
}

TEST(Nearest, HalvesGoToTheEvenNeighbour) {
    // clang-format off
    const std::pair<double, double> cases[] = {
        {0.5, 0.0}, {1.5, 2.0}, {2.5, 2.0}, {-0.5, 0.0}, {-1.5, -2.0}, {-2.5, -2.0}, {-7.75, -8.0},
        {2.4999999999999996, 2.0}, {-0.49999999999999994, 0.0},
        {4503599627370497.0, 4503599627370497.0}};
    // clang-format on
    for (const auto& [x, nearest] : cases)
        EXPECT_EQ(nearestHalfEven(x), nearest) << x;
    // The rounding mode of the moment plays no part.
    const int mode = std::fegetround();
    std::fesetround(FE_UPWARD);
    const double up = nearestHalfEven(2.5);
    std::fesetround(mode);
    EXPECT_EQ(up, 2.0);
}

TEST(Layout, NothingOrOneNode) {
    using Points = std::vector<std::pair<double, double>>;
    EXPECT_EQ(runProduction(0, {}, 0), (Layout{{}, 0}));
    EXPECT_EQ(runProduction(1, {}, 0), (Layout{Points{{0, 0}}, 0})); // no draw
    EXPECT_EQ(runProduction(1, {{0, 0, true}}, 0).points, (Points{{0, 0}}));
}

TEST(Layout, TwoLinkedNodesOnTheCircleOfRadiusThree) {
    // The first draw from state 0 is 2^-32: an angle of almost 0 puts node 1
    // at (3, 0) before snapping, exactly minDistance from node 0.
    EXPECT_EQ(runProduction(2, {{0, 1, true}}, 0), (Layout{{{0, 0}, {3, 0}}, 1}));
}

TEST(Layout, FourNodesPlacedByDecreasingDegree) {
    // Links 0-2, 1-2, 2-3, 1-3: degrees 1, 2, 3, 2, placed in the order 2, 1, 3, 0.
    // Node 2 at the origin; node 1 at angle 2pi * 2^-32 on the circle of radius
    // 4, about (4, 5.9e-9); node 3 on the bisector of 1 and 2 (r = 0), about
    // (2, -4); node 0 on the circle of radius 3 around node 2 at the third
    // draw's angle 5.4101 rad, about (1.927, -2.299). Snapping in index order
    // keeps node 0 at (2, -2); node 1 (at (4, 0)) is within 3 of it and needs
    // six jitters, node 2 two, node 3 three.
    const Links links = {{0, 2, true}, {1, 2, true}, {2, 3, true}, {1, 3, true}};
    EXPECT_EQ(runProduction(4, links, 0),
              (Layout{{{2, -2}, {6, -3}, {0, 1}, {1, -5}}, 698472713u}));
}

TEST(Layout, TwoPlacedNeighboursPutTheNodeOnTheirBisector) {
    // A triangle: all degrees 2, order 0, 1, 2. With the state whose next draw
    // is exactly 0, node 1 lands at (4, 0); node 2 then has the neighbours
    // (0, 0) and (4, 0) and lands at (2, 4) for r = 0.
    const Links triangle = {{0, 1, true}, {1, 2, true}, {2, 0, true}};
    const Layout l = runProduction(3, triangle, 649090867u);
    EXPECT_EQ(l.points, (std::vector<std::pair<double, double>>{{0, 0}, {4, 0}, {2, 4}}));
}

TEST(Layout, ANodeWithoutPlacedNeighboursGetsARandomPointOfTheSquare) {
    // Two separate pairs: node 2 has no placed neighbour when its turn comes.
    // Draws: node 1's angle, then node 2's x and y, then node 3's angle.
    LayoutRandom probe;
    probe.real();
    const double x2 = probe.real() * 20 - 10;
    const double y2 = probe.real() * 20 - 10;
    const Layout l = runProduction(4, {{0, 1, true}, {2, 3, true}}, 0);
    EXPECT_LT(std::fabs(l.points[2].first - x2), 0.5 + 1e-12);
    EXPECT_LT(std::fabs(l.points[2].second - y2), 0.5 + 1e-12);
    expectSpread(l, 3.0);
}

TEST(Layout, CoincidingNodesAreSeparatedByMovingTheLaterOne) {
    // Nodes 1, 2 and 3 all see the same two placed neighbours (0 and 4), so at
    // least two of them land on the same point; node 5 sits on the centroid of
    // its four placed neighbours.
    const Links links = {{0, 1, true}, {0, 2, true}, {0, 3, true}, {0, 4, true},
                         {4, 1, true}, {4, 2, true}, {4, 3, true}, {5, 0, true},
                         {5, 1, true}, {5, 2, true}, {5, 3, true}};
    const Layout l = runProduction(6, links, 0);
    expectSpread(l, 3.0);
    expectSameBits(l, runReference(6, links, 0), "coinciding");
}

TEST(Layout, LinksCanBeRemovedAndRepeated) {
    LayoutRandom rng;
    Graph g(rng);
    g.initGraph(4);
    g.setLink(3, 1, true);
    g.setLink(1, 3, true);
    g.setLink(0, 3, true);
    g.setLink(2, 2, true);
    g.setLink(0, 3, false);
    g.setLink(0, 1, false); // never linked
    g.setLink(5, 1, true);  // outside the graph: ignored
    g.setLink(-1, 1, true);
    // A link to itself counts once.
    EXPECT_EQ(std::tuple(g.degree(0), g.degree(1), g.degree(2), g.degree(3)),
              std::tuple(0, 1, 1, 1));
    EXPECT_EQ(g.neighbours(1), std::vector<int>{3});
    g.initGraph(-3);
    EXPECT_TRUE(g.nodes().empty());
    EXPECT_TRUE(g.arrangeGraph());
}

TEST(Layout, UnusableMinimumDistancesSpreadNothing) {
    for (double md : {0.0, -3.0, std::nan(""), HUGE_VAL}) {
        const Layout l = runProduction(3, {{0, 1, true}, {1, 2, true}, {0, 2, true}}, 5, md);
        for (const auto& [x, y] : l.points) {
            EXPECT_EQ(x, std::trunc(x));
            EXPECT_EQ(y, std::trunc(y));
        }
    }
}

// ---- Against the transcription ----

Links randomLinks(std::mt19937& gen, int n, int kind) {
    Links links;
    if (n == 0)
        return links;
    std::uniform_int_distribution<int> node(0, n - 1);
    const int count = kind == 0 ? n / 2 : (kind == 1 ? n * 2 : n * n / 3 + 1);
    for (int k = 0; k < count; ++k) {
        const int a = node(gen), b = node(gen);
        links.emplace_back(a, b, gen() % 10 != 0); // some removals, some self-links
    }
    if (kind == 3) // a chain, in reverse order of indices
        for (int i = n - 1; i > 0; --i)
            links.emplace_back(i, i - 1, true);
    return links;
}

TEST(LayoutAgainstTranscription, ManyRandomGraphsGiveTheSameBits) {
    std::mt19937 gen(20240611);
    for (int round = 0; round < 400; ++round) {
        const int n = static_cast<int>(gen() % 40);
        const int kind = static_cast<int>(gen() % 4);
        const Links links = randomLinks(gen, n, kind);
        const auto state = static_cast<uint32_t>(gen());
        const double md = round % 5 == 0 ? 1.5 + (gen() % 50) / 10.0 : 3.0;
        const Layout p = runProduction(n, links, state, md);
        expectSameBits(p, runReference(n, links, state, md),
                       "round " + std::to_string(round) + " n " + std::to_string(n));
        if (md == 3.0)
            expectSpread(p, md);
        if (::testing::Test::HasFailure())
            break;
    }
}

TEST(LayoutAgainstTranscription, LargerGraphsAndARunningGenerator) {
    std::mt19937 gen(7);
    LayoutRandom shared;
    RefRandom sharedRef;
    for (int n : {60, 150, 250}) {
        for (int kind = 0; kind < 4; ++kind) {
            const Links links = randomLinks(gen, n, kind);
            const Layout lp = runProduction(shared, n, links),
                         lr = runReference(sharedRef, n, links);
            expectSameBits(lp, lr, "n " + std::to_string(n) + " kind " + std::to_string(kind));
        }
    }
}

TEST(LayoutZones, ZonesTakeTheRoundedPositions) {
    TRmg t = makeNewTemplate();
    for (int i = 0; i < 4; ++i)
        t.appendZone(makeDefaultZone());
    for (auto [a, b] : {std::pair{0, 2}, {1, 2}, {2, 3}, {1, 3}})
        t.appendConnection({.zoneA = a, .zoneB = b});
    t.appendConnection({.zoneA = 9}); // a connection pointing outside the zones is no link
    LayoutRandom rng;
    EXPECT_TRUE(layoutZones(t, rng));
    std::vector<std::pair<int, int>> places;
    for (const ZoneRecord& z : t.zones)
        places.emplace_back(z.gridX, z.gridY);
    EXPECT_EQ(places, (std::vector<std::pair<int, int>>{{2, -2}, {6, -3}, {0, 1}, {1, -5}}));
    // The same table laid out first after another start gives the same places.
    TRmg again = t;
    LayoutRandom fresh;
    layoutZones(again, fresh);
    EXPECT_EQ(again, t);
    // The generator runs on: a second layout in the same run differs.
    layoutZones(again, rng);
    EXPECT_NE(again, t);
}

} // namespace
} // namespace zw
