#include "support/canvas_samples.h"

#include <array>
#include <climits>
#include <gtest/gtest.h>
#include <span>

namespace zw {
namespace {

using test::joining;
using test::viewAt;
using test::zoneAt;

ZoneRecord sizedZone(int32_t gx, int32_t gy, int32_t size) {
    ZoneRecord z = zoneAt(gx, gy);
    z.size = size;
    return z;
}

// Zones whose size makes them impossible to hit, so that the connection between
// them can be probed right up to its end nodes.
TRmg lineBetween(GridPoint a, GridPoint b) {
    TRmg t;
    t.zones = {sizedZone(a.x, a.y, -100), sizedZone(b.x, b.y, -100)};
    t.connections = {joining(0, 1)};
    return t;
}

struct Hit {
    int32_t x, y;
    ItemRef expected;
};

void expectHits(const TRmg& t, const ViewState& v, std::span<const Hit> rows) {
    for (const Hit& r : rows)
        EXPECT_EQ(hitTest(t, v, r.x, r.y), r.expected) << "at " << r.x << ", " << r.y;
}

const ItemRef kZone = zoneRef(0), kLine = connectionRef(0), kNone = 0;

TEST(NodePixels, PitchAndCellsAtZoomTwo) {
    const ViewState v = viewAt(2, 7, -3);
    EXPECT_EQ(v.halfCell(), 30);
    EXPECT_EQ(nodeToPixel(v, 7, -3), (PixelPoint{30, 30}));
    EXPECT_EQ(nodeToPixel(v, 8, -2), (PixelPoint{90, 90}));
    const std::pair<PixelPoint, GridPoint> cells[] = {
        {{0, 0}, {7, -3}}, {{59, 59}, {7, -3}}, {{60, 0}, {8, -3}}, {{0, 60}, {7, -2}}};
    for (const auto& [p, g] : cells)
        EXPECT_EQ(pixelToNode(v, p.x, p.y), g) << p.x << ", " << p.y;
}

TEST(NodePixels, HalfCellPerZoomLevel) {
    const int expected[] = {42, 36, 30, 24, 18, 12};
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom)
        EXPECT_EQ(viewAt(zoom).halfCell(), expected[zoom]) << zoom;
}

TEST(NodePixels, CentresMapBackToTheirNodeAtEveryZoom) {
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        const ViewState v = viewAt(zoom, -4, 9);
        const int h = v.halfCell();
        for (int gx = -4; gx < 12; ++gx) {
            const PixelPoint p = nodeToPixel(v, gx, gx + 13);
            EXPECT_EQ(p.x % h, 0);
            EXPECT_EQ((p.x / h) % 2, 1);
            EXPECT_EQ(pixelToNode(v, p.x, p.y), (GridPoint{gx, gx + 13}));
            // The cell spans [2h * (g - origin), 2h * (g - origin + 1)).
            EXPECT_EQ(pixelToNode(v, p.x - h, p.y + h - 1), (GridPoint{gx, gx + 13}));
            EXPECT_EQ(pixelToNode(v, p.x + h, p.y), (GridPoint{gx + 1, gx + 13}));
            const RealPoint f = pointerToGrid(v, p.x, p.y);
            EXPECT_DOUBLE_EQ(f.x, gx);
            EXPECT_DOUBLE_EQ(f.y, gx + 13);
        }
    }
}

TEST(NodePixels, PixelsLeftOfTheCanvasTruncateTowardTheOrigin) {
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        const ViewState v = viewAt(zoom, 5, -5);
        const int h = v.halfCell();
        // One half cell left of the canvas still lands in the origin's column.
        EXPECT_EQ(pixelToNode(v, -h, -h), (GridPoint{5, -5}));
        EXPECT_EQ(pixelToNode(v, -2 * h + 1, -1), (GridPoint{5, -5}));
        EXPECT_EQ(pixelToNode(v, -2 * h, -2 * h), (GridPoint{4, -6}));
        EXPECT_EQ(pixelToNode(v, -3 * h, 0), (GridPoint{4, -5}));
    }
}

TEST(NodePixels, ExtremeGridValuesDoNotOverflow) {
    const ViewState v = viewAt(0, INT32_MIN, INT32_MAX);
    const PixelPoint p = nodeToPixel(v, INT32_MAX, INT32_MIN);
    EXPECT_GT(p.x, 1'000'000'000);
    EXPECT_LT(p.y, -1'000'000'000);
    // The midpoint of two such points still fits the pixel type.
    EXPECT_GT(static_cast<int64_t>(p.x) + p.x, 0);
    pixelToNode(v, INT32_MAX, INT32_MIN);
}

TEST(ZoneRadius, FactorsAndPixelRadii) {
    const std::pair<int, int> factors[] = {{5, 5},  {7, 5},  {10, 6},  {14, 7},
                                           {18, 8}, {23, 9}, {30, 11}, {40, 11}};
    for (const auto& [size, factor] : factors)
        EXPECT_EQ(zoneRadiusFactor(size), factor) << size;
    EXPECT_EQ(zoneRadiusPixels(40, viewAt(5)), 22);
    EXPECT_EQ(zoneRadiusPixels(40, viewAt(0)), 77);
    EXPECT_EQ(zoneRadiusPixels(14, viewAt(2)), 35);
    // A size read from a file may be any number; the radius still fits.
    EXPECT_EQ(zoneRadiusPixels(INT32_MIN, viewAt(0)), INT32_MIN);
    EXPECT_LT(zoneRadiusPixels(-1000, viewAt(0)), 0);
}

TEST(HitTest, ZoneIsHitStrictlyInsideItsCircle) {
    TRmg t;
    t.zones = {sizedZone(0, 0, 14)};
    // Centre (30, 30), radius 35; (54, 54) is about 33.9 px away, (55, 55) about 35.4 px.
    const Hit hits[] = {{30, 30, kZone}, {64, 30, kZone}, {65, 30, kNone},
                        {30, 64, kZone}, {30, 65, kNone}, {-4, 30, kZone},
                        {-5, 30, kNone}, {54, 54, kZone}, {55, 55, kNone}};
    expectHits(t, viewAt(2), hits);
}

TEST(HitTest, FirstZoneInListOrderWinsAndZonesBeatConnections) {
    TRmg t;
    t.zones = {sizedZone(0, 0, 40), sizedZone(1, 0, 40), zoneAt(6, 0)};
    t.connections = {joining(0, 2)};
    // Pixel 60 lies inside both big circles (radius 55 around 30 and 90); pixel 110 is
    // on the connection's line but inside zone 2's circle.
    const Hit hits[] = {
        {60, 30, kZone}, {110, 30, zoneRef(1)}, {200, 30, kLine}, {200, 300, kNone}};
    expectHits(t, viewAt(2), hits);
}

TEST(HitTest, VerticalConnectionBandIsTenPixelsEachSide) {
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        for (bool aOnTop : {true, false}) {
            const TRmg t = aOnTop ? lineBetween({0, 0}, {0, 4}) : lineBetween({0, 4}, {0, 0});
            const ViewState v = viewAt(zoom);
            const int h = v.halfCell();
            const PixelPoint m = nodeToPixel(v, 0, 2);
            const int bottom = nodeToPixel(v, 0, 4).y;
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << " aOnTop " << aOnTop);
            // Across the line, then beyond the ends along it: up to, not at, 10 pixels.
            const Hit hits[] = {
                {m.x, m.y, kLine},      {m.x - 9, m.y, kLine},    {m.x + 9, m.y, kLine},
                {m.x - 10, m.y, kNone}, {m.x + 10, m.y, kNone},   {m.x, h - 9, kLine},
                {m.x, h - 11, kNone},   {m.x, bottom + 9, kLine}, {m.x, bottom + 11, kNone}};
            expectHits(t, v, hits);
        }
    }
}

// Every pixel beside an axis-parallel connection: 9 pixels away always hits, 10
// never does, whatever the zoom, origin, length or direction.
TEST(HitTest, BandEdgeIsExactAlongWholeConnections) {
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        for (int len = 1; len <= 6; ++len) {
            for (bool flip : {false, true}) {
                const ViewState v = viewAt(zoom, -2, 3);
                const TRmg vertical =
                    flip ? lineBetween({1, len}, {1, 0}) : lineBetween({1, 0}, {1, len});
                const TRmg horizontal =
                    flip ? lineBetween({len, 1}, {0, 1}) : lineBetween({0, 1}, {len, 1});
                const PixelPoint a = nodeToPixel(v, 1, 0);
                const PixelPoint b = nodeToPixel(v, 1, len);
                const PixelPoint h0 = nodeToPixel(v, 0, 1);
                SCOPED_TRACE(testing::Message() << "zoom " << zoom << " len " << len);
                for (int y = a.y; y <= b.y; ++y) {
                    // The same along a horizontal connection (x and y swapped).
                    const int x = h0.x + (y - a.y);
                    ASSERT_EQ(hitTest(vertical, v, a.x - 9, y), kLine) << y;
                    ASSERT_EQ(hitTest(vertical, v, a.x + 9, y), kLine) << y;
                    ASSERT_EQ(hitTest(vertical, v, a.x - 10, y), 0) << y;
                    ASSERT_EQ(hitTest(vertical, v, a.x + 10, y), 0) << y;
                    ASSERT_EQ(hitTest(horizontal, v, x, h0.y + 9), kLine) << x;
                    ASSERT_EQ(hitTest(horizontal, v, x, h0.y - 10), 0) << x;
                }
            }
        }
    }
}

TEST(HitTest, ExactDistancesOnSlantedLinesAndCircles) {
    // A 3-4-5 line: (30, 30) to (210, 270), 300 pixels long; probes 10, 10, 5 and 8.6
    // pixels off it.
    const ViewState v = viewAt(2);
    const Hit hits[] = {{128, 144, kNone}, {112, 156, kNone}, {124, 147, kLine}, {127, 145, kLine}};
    expectHits(lineBetween({0, 0}, {3, 4}), v, hits);
    // A zone of radius 35: (21, 28) from the centre lies exactly on the circle.
    TRmg z;
    z.zones = {sizedZone(0, 0, 14)};
    const Hit onCircle[] = {{51, 58, kNone}, {2, 9, kNone}, {51, 57, kZone}};
    expectHits(z, v, onCircle);
}

TEST(HitTest, ConnectionBetweenZonesOnOneNode) {
    // Both ends on the same node (possible in a damaged file): a small square
    // around the node, and no division by a zero length.
    const Hit hits[] = {{150, 150, kLine}, {159, 141, kLine}, {160, 150, kNone}, {150, 140, kNone}};
    expectHits(lineBetween({2, 2}, {2, 2}), viewAt(2), hits);
}

TEST(HitTest, HorizontalConnectionIsHitOnBothSidesWhicheverEndIsA) {
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        for (bool aLeft : {true, false}) {
            const TRmg t = aLeft ? lineBetween({-1, 3}, {5, 3}) : lineBetween({5, 3}, {-1, 3});
            const ViewState v = viewAt(zoom, -2, 1);
            const PixelPoint m = nodeToPixel(v, 2, 3);
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << " aLeft " << aLeft);
            const Hit hits[] = {{m.x, m.y - 5, kLine},     {m.x, m.y + 5, kLine},
                                {m.x + 7, m.y - 9, kLine}, {m.x - 7, m.y + 9, kLine},
                                {m.x, m.y - 11, kNone},    {m.x, m.y + 11, kNone}};
            expectHits(t, v, hits);
        }
    }
}

TEST(HitTest, DiagonalConnectionBand) {
    // Around (150, 150): 6 px across the diagonal each way is about 8.5 px from the
    // line, 8 px each way about 11.3 px.
    const Hit hits[] = {{156, 144, kLine}, {144, 156, kLine}, {158, 142, kNone}, {142, 158, kNone}};
    expectHits(lineBetween({0, 0}, {4, 4}), viewAt(2), hits);
}

TEST(HitTest, ConnectionsNamingMissingZonesAreNeverHit) {
    TRmg t;
    t.zones = {sizedZone(0, 0, -100), sizedZone(4, 0, -100)};
    t.connections = {joining(0, 7), joining(-1, 1), joining(0, 1)};
    EXPECT_EQ(hitTest(t, viewAt(2), 150, 30), connectionRef(2));
    t.connections.pop_back();
    EXPECT_EQ(hitTest(t, viewAt(2), 150, 30), 0);
}

TEST(HitTest, FirstConnectionInListOrderWins) {
    TRmg t = lineBetween({0, 0}, {4, 0});
    t.connections.push_back(joining(1, 0));
    EXPECT_EQ(hitTest(t, viewAt(2), 150, 32), kLine);
}

TEST(NodeBlocked, NeighbourExclusion) {
    TRmg t;
    t.zones = {zoneAt(0, 0), zoneAt(10, 10)};
    // {x, y, the zone being moved (-1: none), blocked}; the moved zone does not block
    // its own neighbourhood, but others still do.
    const struct {
        int32_t x, y, moving;
        bool blocked;
    } rows[] = {{0, 0, -1, true},  {1, 1, -1, true},   {-1, -1, -1, true}, {1, -1, -1, true},
                {2, 0, -1, false}, {0, -2, -1, false}, {5, 5, -1, false},  {1, 0, 0, false},
                {1, 0, 1, true},   {9, 11, 0, true}};
    for (const auto& r : rows)
        EXPECT_EQ(nodeBlocked(t, r.x, r.y, r.moving), r.blocked)
            << r.x << ", " << r.y << " " << r.moving;
}

TEST(NodeBlocked, ExtremeCoordinatesDoNotWrapAround) {
    TRmg t;
    t.zones = {zoneAt(INT32_MAX, INT32_MIN)};
    EXPECT_FALSE(nodeBlocked(t, INT32_MIN, INT32_MAX));
    EXPECT_TRUE(nodeBlocked(t, INT32_MAX - 1, INT32_MIN + 1));
}

TEST(ScrollRanges, IncludeZeroAndEveryZone) {
    TRmg t;
    EXPECT_EQ(scrollRanges(t), (ScrollRanges{0, 0, 0, 0}));
    t.zones = {zoneAt(3, 4), zoneAt(8, 2)};
    EXPECT_EQ(scrollRanges(t), (ScrollRanges{0, 8, 0, 4}));
    t.zones.push_back(zoneAt(-3, -7));
    EXPECT_EQ(scrollRanges(t), (ScrollRanges{-3, 8, -7, 4}));
    t.zones = {zoneAt(-5, -1), zoneAt(-2, -9)};
    EXPECT_EQ(scrollRanges(t), (ScrollRanges{-5, 0, -9, 0}));
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> rows[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {-0.5, 0},
                                           {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {-5.7, -6}};
    for (const auto& [in, out] : rows)
        EXPECT_EQ(roundHalfEven(in), out) << in;
}

TEST(ClipSegment, KeepsThePartInsideTheBox) {
    // The box (0, 0)-(100, 50); `inside` false: nothing of the segment is in it.
    struct Case {
        std::array<double, 4> from, to;
        bool inside;
    };
    const Case cases[] = {
        {{-10, 20, 110, 20}, {0, 20, 100, 20}, true},
        {{20, 10, 200, 10}, {20, 10, 100, 10}, true},
        {{50, 60, 50, -10}, {50, 50, 50, 0}, true},
        {{-10, -10, -5, 60}, {}, false},
    };
    for (const Case& c : cases) {
        auto [x0, y0, x1, y1] = c.from;
        EXPECT_EQ(clipSegment(x0, y0, x1, y1, 0, 0, 100, 50), c.inside) << c.from[0];
        if (c.inside) {
            EXPECT_EQ((std::array<double, 4>{x0, y0, x1, y1}), c.to) << c.from[0];
        }
    }
}

} // namespace
} // namespace zw
