#include "canvas/geometry.h"
#include "support/canvas_samples.h"

#include <climits>
#include <gtest/gtest.h>

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

TEST(NodePixels, PitchAndCellsAtZoomTwo) {
    const ViewState v = viewAt(2, 7, -3);
    EXPECT_EQ(v.halfCell(), 30);
    EXPECT_EQ(nodeToPixel(v, 7, -3), (PixelPoint{30, 30}));
    EXPECT_EQ(nodeToPixel(v, 8, -2), (PixelPoint{90, 90}));
    EXPECT_EQ(pixelToNode(v, 0, 0), (GridPoint{7, -3}));
    EXPECT_EQ(pixelToNode(v, 59, 59), (GridPoint{7, -3}));
    EXPECT_EQ(pixelToNode(v, 60, 0), (GridPoint{8, -3}));
    EXPECT_EQ(pixelToNode(v, 0, 60), (GridPoint{7, -2}));
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
    const int sizes[] = {5, 7, 10, 14, 18, 23, 30, 40};
    const int factors[] = {5, 5, 6, 7, 8, 9, 11, 11};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(zoneRadiusFactor(sizes[i]), factors[i]) << sizes[i];
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
    const ViewState v = viewAt(2);
    // Centre (30, 30), radius 35.
    EXPECT_EQ(hitTest(t, v, 30, 30), zoneRef(0));
    EXPECT_EQ(hitTest(t, v, 64, 30), zoneRef(0));
    EXPECT_EQ(hitTest(t, v, 65, 30), 0);
    EXPECT_EQ(hitTest(t, v, 30, 64), zoneRef(0));
    EXPECT_EQ(hitTest(t, v, 30, 65), 0);
    EXPECT_EQ(hitTest(t, v, -4, 30), zoneRef(0));
    EXPECT_EQ(hitTest(t, v, -5, 30), 0);
    EXPECT_EQ(hitTest(t, v, 30 + 24, 30 + 24), zoneRef(0)); // about 33.9 px
    EXPECT_EQ(hitTest(t, v, 30 + 25, 30 + 25), 0);          // about 35.4 px
}

TEST(HitTest, FirstZoneInListOrderWinsAndZonesBeatConnections) {
    TRmg t;
    t.zones = {sizedZone(0, 0, 40), sizedZone(1, 0, 40), zoneAt(6, 0)};
    t.connections = {joining(0, 2)};
    const ViewState v = viewAt(2);
    // Pixel 60 lies inside both big circles (radius 55 around 30 and 90).
    EXPECT_EQ(hitTest(t, v, 60, 30), zoneRef(0));
    // On the connection's line but inside zone 2's circle.
    EXPECT_EQ(hitTest(t, v, 110, 30), zoneRef(1));
    EXPECT_EQ(hitTest(t, v, 200, 30), connectionRef(0));
    EXPECT_EQ(hitTest(t, v, 200, 300), 0);
}

TEST(HitTest, VerticalConnectionBandIsTenPixelsEachSide) {
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        for (bool aOnTop : {true, false}) {
            const TRmg t = aOnTop ? lineBetween({0, 0}, {0, 4}) : lineBetween({0, 4}, {0, 0});
            const ViewState v = viewAt(zoom);
            const int h = v.halfCell();
            const PixelPoint mid = nodeToPixel(v, 0, 2);
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << " aOnTop " << aOnTop);
            EXPECT_EQ(hitTest(t, v, mid.x, mid.y), connectionRef(0));
            EXPECT_EQ(hitTest(t, v, mid.x - 9, mid.y), connectionRef(0));
            EXPECT_EQ(hitTest(t, v, mid.x + 9, mid.y), connectionRef(0));
            EXPECT_EQ(hitTest(t, v, mid.x - 10, mid.y), 0);
            EXPECT_EQ(hitTest(t, v, mid.x + 10, mid.y), 0);
            // Beyond the ends along the line: up to, not at, 10 pixels.
            EXPECT_EQ(hitTest(t, v, mid.x, h - 9), connectionRef(0));
            EXPECT_EQ(hitTest(t, v, mid.x, h - 11), 0);
            const int bottom = nodeToPixel(v, 0, 4).y;
            EXPECT_EQ(hitTest(t, v, mid.x, bottom + 9), connectionRef(0));
            EXPECT_EQ(hitTest(t, v, mid.x, bottom + 11), 0);
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
                SCOPED_TRACE(testing::Message() << "zoom " << zoom << " len " << len);
                for (int y = a.y; y <= b.y; ++y) {
                    ASSERT_EQ(hitTest(vertical, v, a.x - 9, y), connectionRef(0)) << y;
                    ASSERT_EQ(hitTest(vertical, v, a.x + 9, y), connectionRef(0)) << y;
                    ASSERT_EQ(hitTest(vertical, v, a.x - 10, y), 0) << y;
                    ASSERT_EQ(hitTest(vertical, v, a.x + 10, y), 0) << y;
                    // The same along a horizontal connection (x and y swapped).
                    const PixelPoint h0 = nodeToPixel(v, 0, 1);
                    const int x = h0.x + (y - a.y);
                    ASSERT_EQ(hitTest(horizontal, v, x, h0.y + 9), connectionRef(0)) << x;
                    ASSERT_EQ(hitTest(horizontal, v, x, h0.y - 10), 0) << x;
                }
            }
        }
    }
}

TEST(HitTest, ExactDistancesOnSlantedLinesAndCircles) {
    // A 3-4-5 line: (30, 30) to (210, 270), 300 pixels long.
    const TRmg t = lineBetween({0, 0}, {3, 4});
    const ViewState v = viewAt(2);
    EXPECT_EQ(hitTest(t, v, 120 + 8, 150 - 6), 0); // exactly 10 pixels off
    EXPECT_EQ(hitTest(t, v, 120 - 8, 150 + 6), 0);
    EXPECT_EQ(hitTest(t, v, 120 + 4, 150 - 3), connectionRef(0)); // 5 pixels off
    EXPECT_EQ(hitTest(t, v, 120 + 7, 150 - 5), connectionRef(0)); // 8.6 pixels off
    // A zone of radius 35: (21, 28) from the centre lies exactly on the circle.
    TRmg z;
    z.zones = {sizedZone(0, 0, 14)};
    EXPECT_EQ(hitTest(z, v, 30 + 21, 30 + 28), 0);
    EXPECT_EQ(hitTest(z, v, 30 - 28, 30 - 21), 0);
    EXPECT_EQ(hitTest(z, v, 30 + 21, 30 + 27), zoneRef(0));
}

TEST(HitTest, ConnectionBetweenZonesOnOneNode) {
    // Both ends on the same node (possible in a damaged file): a small square
    // around the node, and no division by a zero length.
    const TRmg t = lineBetween({2, 2}, {2, 2});
    const ViewState v = viewAt(2);
    EXPECT_EQ(hitTest(t, v, 150, 150), connectionRef(0));
    EXPECT_EQ(hitTest(t, v, 159, 141), connectionRef(0));
    EXPECT_EQ(hitTest(t, v, 160, 150), 0);
    EXPECT_EQ(hitTest(t, v, 150, 140), 0);
}

TEST(HitTest, HorizontalConnectionIsHitOnBothSidesWhicheverEndIsA) {
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        for (bool aLeft : {true, false}) {
            const TRmg t = aLeft ? lineBetween({-1, 3}, {5, 3}) : lineBetween({5, 3}, {-1, 3});
            const ViewState v = viewAt(zoom, -2, 1);
            const PixelPoint mid = nodeToPixel(v, 2, 3);
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << " aLeft " << aLeft);
            EXPECT_EQ(hitTest(t, v, mid.x, mid.y - 5), connectionRef(0));
            EXPECT_EQ(hitTest(t, v, mid.x, mid.y + 5), connectionRef(0));
            EXPECT_EQ(hitTest(t, v, mid.x + 7, mid.y - 9), connectionRef(0));
            EXPECT_EQ(hitTest(t, v, mid.x - 7, mid.y + 9), connectionRef(0));
            EXPECT_EQ(hitTest(t, v, mid.x, mid.y - 11), 0);
            EXPECT_EQ(hitTest(t, v, mid.x, mid.y + 11), 0);
        }
    }
}

TEST(HitTest, DiagonalConnectionBand) {
    const TRmg t = lineBetween({0, 0}, {4, 4});
    const ViewState v = viewAt(2);
    const PixelPoint mid = nodeToPixel(v, 2, 2); // (150, 150)
    // 6 px across the diagonal each way is about 8.5 px from the line.
    EXPECT_EQ(hitTest(t, v, mid.x + 6, mid.y - 6), connectionRef(0));
    EXPECT_EQ(hitTest(t, v, mid.x - 6, mid.y + 6), connectionRef(0));
    // 8 px each way is about 11.3 px from the line.
    EXPECT_EQ(hitTest(t, v, mid.x + 8, mid.y - 8), 0);
    EXPECT_EQ(hitTest(t, v, mid.x - 8, mid.y + 8), 0);
}

TEST(HitTest, ConnectionsNamingMissingZonesAreNeverHit) {
    TRmg t;
    t.zones = {sizedZone(0, 0, -100), sizedZone(4, 0, -100)};
    t.connections = {joining(0, 7), joining(-1, 1), joining(0, 1)};
    const ViewState v = viewAt(2);
    EXPECT_EQ(hitTest(t, v, 150, 30), connectionRef(2));
    t.connections.pop_back();
    EXPECT_EQ(hitTest(t, v, 150, 30), 0);
}

TEST(HitTest, FirstConnectionInListOrderWins) {
    TRmg t = lineBetween({0, 0}, {4, 0});
    t.connections.push_back(joining(1, 0));
    EXPECT_EQ(hitTest(t, viewAt(2), 150, 32), connectionRef(0));
}

TEST(NodeBlocked, NeighbourExclusion) {
    TRmg t;
    t.zones = {zoneAt(0, 0), zoneAt(10, 10)};
    EXPECT_TRUE(nodeBlocked(t, 0, 0));
    EXPECT_TRUE(nodeBlocked(t, 1, 1));
    EXPECT_TRUE(nodeBlocked(t, -1, -1));
    EXPECT_TRUE(nodeBlocked(t, 1, -1));
    EXPECT_FALSE(nodeBlocked(t, 2, 0));
    EXPECT_FALSE(nodeBlocked(t, 0, -2));
    EXPECT_FALSE(nodeBlocked(t, 5, 5));
    // The moved zone does not block its own neighbourhood, but others still do.
    EXPECT_FALSE(nodeBlocked(t, 1, 0, 0));
    EXPECT_TRUE(nodeBlocked(t, 1, 0, 1));
    EXPECT_TRUE(nodeBlocked(t, 9, 11, 0));
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
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(-5.7), -6);
}

} // namespace
} // namespace zw
