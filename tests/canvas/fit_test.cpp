// Zoom to fit and centring on a zone.
#include "canvas/fit.h"
#include "pattern/generate.h"
#include "support/group_samples.h"

#include <gtest/gtest.h>

#include <limits>

namespace zw {
namespace {

using test::templateOf;
using test::zoneAt;

constexpr int32_t kW = 707;
constexpr int32_t kH = 500;

struct BoxSize {
    int32_t w, h;
};

// True when every zone's drawn circle lies inside the canvas.
bool allInside(const TRmg& t, const ViewState& v, int32_t w, int32_t h) {
    for (const ZoneRecord& z : t.zones) {
        const PixelPoint c = nodeToPixel(v, z.gridX, z.gridY);
        const int32_t r = zoneRadiusPixels(z.size, v);
        if (c.x - r < 0 || c.x + r > w || c.y - r < 0 || c.y + r > h)
            return false;
    }
    return true;
}

// True when some origin near the zones shows them all at `zoom`.
bool anyOriginFits(const TRmg& t, int32_t zoom, int32_t w, int32_t h) {
    for (int32_t ox = -40; ox <= 40; ++ox)
        for (int32_t oy = -40; oy <= 40; ++oy)
            if (allInside(t, ViewState{zoom, ox, oy}, w, h))
                return true;
    return false;
}

TEST(ZoomToFit, ClosestZoomThatShowsEveryZone) {
    ZoneRecord big = zoneAt(-6, 3);
    big.size = 40; // the widest circle, beyond its node's cell
    const TRmg cases[] = {
        templateOf({zoneAt(10, 20)}),
        templateOf({zoneAt(0, 0), zoneAt(6, 0), zoneAt(3, 4)}),
        templateOf({big, zoneAt(2, -5), zoneAt(5, 6)}),
        templateOf({zoneAt(-12, 0), zoneAt(12, 0)}),
    };
    for (const TRmg& t : cases) {
        const ViewState v = fitView(t, kW, kH);
        EXPECT_TRUE(allInside(t, v, kW, kH)) << t.zones.size();
        if (v.zoomLevel > kMinZoom) {
            EXPECT_FALSE(anyOriginFits(t, v.zoomLevel - 1, kW, kH)) << t.zones.size();
        }
    }
    // One zone at zoom 0 (pitch 84): its node comes as near the middle as whole
    // nodes allow, at pixel (378, 210) of 707 x 500.
    EXPECT_EQ(fitView(cases[0], kW, kH), (ViewState{0, 6, 18}));
}

TEST(ZoomToFit, NoZonesGiveTheStartViewAndTooWideTheSmallestAtTheMedianZone) {
    EXPECT_EQ(fitView(makeNewTemplate(), kW, kH), ViewState{});
    const TRmg wide = templateOf({zoneAt(-100, 0), zoneAt(100, 0)});
    const ViewState v = fitView(wide, kW, kH);
    EXPECT_EQ(v.zoomLevel, kMaxZoom);
    // The median zone, not the empty middle, is the one nearest the canvas's middle.
    EXPECT_EQ(v, *centreOnZone(wide, v, kW, kH, 1));
    // Also among many, two of them out of order: zone 6 at (0, 4) is the median both ways.
    const TRmg listed =
        templateOf({zoneAt(-400, 0), zoneAt(-300, 1), zoneAt(-200, 2), zoneAt(-100, 3),
                    zoneAt(100, 5), zoneAt(0, 4), zoneAt(200, 6), zoneAt(300, 7), zoneAt(400, 8)});
    const ViewState m = fitView(listed, kW, kH);
    EXPECT_EQ(m, *centreOnZone(listed, m, kW, kH, 5));

    // Zones at the ends of the 32-bit grid, as a file may hold them: those
    // together are shown whole, the others apart leave the view to the many.
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    const TRmg farEnd = templateOf({zoneAt(kMax, kMax), zoneAt(kMax - 6, kMax - 2)});
    EXPECT_TRUE(allInside(farEnd, fitView(farEnd, kW, kH), kW, kH));
    const TRmg stray =
        templateOf({zoneAt(0, 0), zoneAt(kMax, 0), zoneAt(4, 2), zoneAt(2, 6), zoneAt(-kMax, 3)});
    const ViewState many = fitView(stray, kW, kH);
    EXPECT_TRUE(allInside(templateOf({zoneAt(0, 0), zoneAt(4, 2), zoneAt(2, 6)}), many, kW, kH));
}

// Every generated template, however many players, whole in a preview's box.
TEST(FitWhole, EveryZoneInsideTheEnlargedCanvas) {
    const BoxSize boxes[] = {{240, 240}, {360, 200}, {120, 400}};
    for (const PatternKind k : {PatternKind::Ring, PatternKind::Star, PatternKind::RingCentre})
        for (int players = kPatternMinPlayers; players <= kPatternMaxPlayers; ++players)
            for (const bool large : {false, true}) {
                PatternSettings s = patternDefaults(k, players);
                if (large) {
                    s.own = kPatternMaxOwn;
                    s.between = k == PatternKind::Star ? 0 : kPatternMaxBetween;
                    s.centre = k == PatternKind::Ring ? 0 : kPatternMaxCentre;
                }
                const TRmg t = generateTemplate(s);
                for (const BoxSize& box : boxes) {
                    const WholePicture p = fitWhole(t, box.w, box.h);
                    SCOPED_TRACE(std::to_string(players) + " players in " + std::to_string(box.w) +
                                 "x" + std::to_string(box.h));
                    EXPECT_TRUE(allInside(t, p.view, p.width, p.height));
                    EXPECT_GE(p.shrink, 1.0);
                    EXPECT_NEAR(p.width, box.w * p.shrink, 1.0);
                    EXPECT_NEAR(p.height, box.h * p.shrink, 1.0);
                }
            }
    // What fits the box itself is not shrunk.
    const TRmg small = templateOf({zoneAt(0, 0), zoneAt(3, 0)});
    const WholePicture p = fitWhole(small, kW, kH);
    EXPECT_EQ(p.shrink, 1.0);
    EXPECT_EQ(p.view, fitView(small, kW, kH));
    // Only how far apart the zones lie counts, not where.
    const WholePicture near = fitWhole(templateOf({zoneAt(0, 0), zoneAt(60, 0)}), 120, 120);
    const WholePicture far = fitWhole(templateOf({zoneAt(900, 40), zoneAt(960, 40)}), 120, 120);
    EXPECT_GT(near.shrink, 1.0);
    EXPECT_EQ(std::tie(far.shrink, far.width, far.height),
              std::tie(near.shrink, near.width, near.height));
}

TEST(CentreOnZone, BringsTheZoneToTheMiddle) {
    const TRmg t = templateOf({zoneAt(3, 3), zoneAt(10, 20)});
    const ViewState start{2, -7, 40};
    const auto v = centreOnZone(t, start, kW, kH, 1);
    ASSERT_TRUE(v);
    // Pitch 60: column 5 is centred at 330 of 707, row 4 at 270 of 500; the
    // neighbours are further from the middle.
    EXPECT_EQ(*v, (ViewState{2, 5, 16}));
    EXPECT_FALSE(centreOnZone(t, start, kW, kH, 2));
    EXPECT_FALSE(centreOnZone(t, start, kW, kH, -1));
}

TEST(CentreOnZones, MiddleOfTheExtentAtTheSameZoom) {
    const TRmg t = templateOf({zoneAt(3, 3), zoneAt(10, 20), zoneAt(-4, 8), zoneAt(7, 8)});
    const ViewState start{1, -7, 40};
    // One zone: exactly as centreOnZone.
    EXPECT_EQ(centreOnZones(t, start, kW, kH, {1}), centreOnZone(t, start, kW, kH, 1));
    // Zones 0 and 1 span columns 3..10 and rows 3..20, the middle (6.5, 11.5).
    // Pitch 72: column 6.5 lies at 360 with origin 2 (288 with 3) of 707/2,
    // row 11.5 at 216 with origin 9 (288 with 8) of 500/2.
    EXPECT_EQ(*centreOnZones(t, start, kW, kH, {0, 1}), (ViewState{1, 2, 9}));
    // Zones 2 and 3: the middle (1.5, 8) at 360 and 252 with origins -3 and 5.
    // Indices that name no zone are skipped; none left gives nothing.
    EXPECT_EQ(*centreOnZones(t, start, kW, kH, {2, 3, 9, -1}), (ViewState{1, -3, 5}));
    EXPECT_FALSE(centreOnZones(t, start, kW, kH, {4, -1}));
    EXPECT_FALSE(centreOnZones(t, start, kW, kH, {}));
}

} // namespace
} // namespace zw
