#include "canvas/render.h"
#include "support/canvas_samples.h"
#include "support/recording_painter.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>

namespace zw {
namespace {

using test::joining;
using test::viewAt;
using test::zoneAt;

RecordingPainter render(const TRmg& t, const ViewState& v = viewAt(2), ItemRef drag = 0,
                        int w = 707, int h = 500) {
    RecordingPainter p;
    redraw(p, t, v, drag, w, h);
    return p;
}

bool isGrid(const RecordedLine& l) {
    return l.colour == kGridGrey && l.width != 12;
}

std::vector<RecordedLine> gridLines(const RecordingPainter& p) {
    std::vector<RecordedLine> out;
    for (const auto& l : p.lines())
        if (isGrid(l))
            out.push_back(l);
    return out;
}

// Lines drawn after the grid: connections, in order.
std::vector<RecordedLine> connectionLines(const RecordingPainter& p) {
    std::vector<RecordedLine> all = p.lines();
    const auto firstOther =
        std::find_if(all.begin(), all.end(), [](const RecordedLine& l) { return !isGrid(l); });
    return std::vector<RecordedLine>(firstOther, all.end());
}

// Where the vertical (or horizontal) grid lines of a width (-1: any) are drawn.
std::vector<int> gridAt(bool vertical, const RecordingPainter& p, int width) {
    std::vector<int> at;
    for (const auto& l : gridLines(p))
        if ((vertical ? l.from.x == l.to.x : l.from.y == l.to.y) && (width < 0 || l.width == width))
            at.push_back(vertical ? l.from.x : l.from.y);
    return at;
}
std::vector<int> verticalGridXs(const RecordingPainter& p, int width = -1) {
    return gridAt(true, p, width);
}
std::vector<int> horizontalGridYs(const RecordingPainter& p, int width = -1) {
    return gridAt(false, p, width);
}

using Segment = std::pair<PixelPoint, PixelPoint>;
Segment segment(const RecordedLine& l) {
    return {l.from, l.to};
}

TEST(RenderGrid, EmptyTemplateDrawsBackgroundAndGridOnly) {
    const RecordingPainter p = render(TRmg{});
    ASSERT_FALSE(p.calls().empty());
    const PaintCall& first = p.calls().front();
    EXPECT_EQ(first.op, PaintOp::FillRect);
    EXPECT_EQ(first.colour, kSilver);
    EXPECT_EQ((std::array{first.left, first.top, first.right, first.bottom}),
              (std::array{0, 0, 707, 500}));
    EXPECT_TRUE(p.ellipses().empty());
    EXPECT_TRUE(p.polygons().empty());
    EXPECT_TRUE(p.texts().empty());
    EXPECT_EQ(gridLines(p).size(), p.lines().size());
    // Vertical lines through x = 30, 90, ..., 690 (<= 707 - 6), each full height.
    std::vector<int> expected;
    for (int s = 30; s <= 701; s += 60)
        expected.push_back(s);
    EXPECT_EQ(verticalGridXs(p), expected);
    expected.clear();
    for (int s = 30; s <= 485; s += 60)
        expected.push_back(s);
    EXPECT_EQ(horizontalGridYs(p), expected);
    for (const auto& l : gridLines(p)) {
        EXPECT_EQ(l.style, PenStyle::Solid);
        if (l.from.x == l.to.x) {
            EXPECT_EQ(l.from.y, 0);
            EXPECT_EQ(l.to.y, 500);
        } else {
            EXPECT_EQ(l.from.x, 0);
            EXPECT_EQ(l.to.x, 707);
        }
    }
    EXPECT_EQ(verticalGridXs(p, 3), (std::vector<int>{30, 330, 630}));
    EXPECT_EQ(horizontalGridYs(p, 3), (std::vector<int>{30, 330}));
}

TEST(RenderGrid, EveryFifthGridCoordinateIsThickIncludingNegatives) {
    // originX = -2: line count 2 is grid column 0.
    RecordingPainter p = render(TRmg{}, viewAt(2, -2, 7));
    EXPECT_EQ(verticalGridXs(p, 3), (std::vector<int>{150, 450}));
    EXPECT_EQ(horizontalGridYs(p, 3), (std::vector<int>{210})); // row 10
    // Column -5 (count 2) and column 0 (count 7).
    p = render(TRmg{}, viewAt(0, -7, -13));
    EXPECT_EQ(verticalGridXs(p, 3), (std::vector<int>{42 + 84 * 2, 42 + 84 * 7}));
    EXPECT_EQ(horizontalGridYs(p, 3), (std::vector<int>{42 + 84 * 3}));
}

TEST(RenderGrid, LimitsNearTheRightAndBottomEdges) {
    // s <= W - 6 and s <= H - 15 decide whether a line is drawn.
    EXPECT_EQ(verticalGridXs(render(TRmg{}, viewAt(2), 0, 96, 105)), (std::vector<int>{30, 90}));
    EXPECT_EQ(horizontalGridYs(render(TRmg{}, viewAt(2), 0, 96, 105)), (std::vector<int>{30, 90}));
    EXPECT_EQ(verticalGridXs(render(TRmg{}, viewAt(2), 0, 95, 104)), (std::vector<int>{30}));
    EXPECT_EQ(horizontalGridYs(render(TRmg{}, viewAt(2), 0, 95, 104)), (std::vector<int>{30}));
    // The loop runs until the next line is past both edges: a tall, narrow
    // canvas still gets all its horizontal lines.
    const RecordingPainter tall = render(TRmg{}, viewAt(5), 0, 40, 400);
    EXPECT_EQ(verticalGridXs(tall), (std::vector<int>{12}));
    EXPECT_EQ(horizontalGridYs(tall).size(), 16u); // 12, 36, ..., 372 <= 385
    EXPECT_EQ(horizontalGridYs(tall).back(), 372);
}

TEST(RenderGrid, DegenerateSizesAndZoomDoNotHang) {
    EXPECT_TRUE(render(TRmg{}, viewAt(2), 0, 0, 0).calls().empty());
    EXPECT_TRUE(render(TRmg{}, viewAt(2), 0, -5, 100).calls().empty());
    const RecordingPainter p = render(TRmg{}, viewAt(9), 0, 100, 100);
    EXPECT_FALSE(p.lines().empty());
    EXPECT_EQ(verticalGridXs(p).front(), 12); // taken as the smallest scale
}

// Zone 1 at (0, 0), centre (30, 30); zone 2 at (4, 0), centre (270, 30).
TRmg horizontal(ConnectionRecord c) {
    TRmg t;
    t.zones = {zoneAt(0, 0), zoneAt(4, 0)};
    t.connections = {c};
    return t;
}

TEST(RenderConnection, OrdinaryPenWidthFollowsTheGuard) {
    const std::pair<int, int> cases[] = {{0, 2},    {1499, 2},   {1500, 3},   {4500, 5},
                                         {6000, 6}, {14999, 11}, {15000, 12}, {40000, 12}};
    for (const auto& [guard, width] : cases) {
        ConnectionRecord c = joining(0, 1);
        c.passages[0].guard = guard;
        const auto lines = connectionLines(render(horizontal(c)));
        ASSERT_EQ(lines.size(), 2u) << guard;
        EXPECT_EQ(lines[0].width, width) << guard;
        EXPECT_EQ(lines[1].width, width) << guard;
        // A to the midpoint, the midpoint to B.
        EXPECT_EQ(segment(lines[0]), (Segment{{30, 30}, {150, 30}}));
        EXPECT_EQ(segment(lines[1]), (Segment{{150, 30}, {270, 30}}));
    }
}

TEST(RenderConnection, WidePassageHasAGreyCoreDrawnFromBToA) {
    ConnectionRecord c = joining(0, 1);
    c.passages[0].kind = 1;
    const auto lines = connectionLines(render(horizontal(c)));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].width, 16);
    EXPECT_EQ(lines[1].width, 16);
    EXPECT_EQ(lines[2].colour, kGridGrey);
    EXPECT_EQ(lines[2].width, 12);
    EXPECT_EQ(segment(lines[2]), (Segment{{270, 30}, {30, 30}}));
}

TEST(RenderConnection, BorderGuardHasABlackBarAcrossTheMiddle) {
    ConnectionRecord c = joining(0, 1);
    c.passages[0].kind = 2;
    c.passages[0].guard = 30000; // the guard does not widen this kind
    const auto lines = connectionLines(render(horizontal(c)));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].width, 2);
    EXPECT_EQ(lines[2].colour, kBlack);
    EXPECT_EQ(lines[2].width, 6);
    EXPECT_EQ(segment(lines[2]), (Segment{{150, 20}, {150, 40}}));

    // On a diagonal the bar is perpendicular: 10 * cos 45 degrees = 7.07.
    TRmg t;
    t.zones = {zoneAt(0, 0), zoneAt(2, 2)};
    t.connections = {c};
    const auto diag = connectionLines(render(t));
    ASSERT_EQ(diag.size(), 3u);
    EXPECT_EQ(segment(diag[2]), (Segment{{97, 83}, {83, 97}}));
}

TEST(RenderConnection, PassagesFanOutSixPixelsApart) {
    // Along a horizontal line the step vector is (0, -6).
    auto midpoints = [&](int passages) {
        std::vector<PixelPoint> mids;
        const auto lines = connectionLines(render(horizontal(joining(0, 1, passages))));
        EXPECT_EQ(lines.size(), 2u * passages);
        for (size_t i = 0; i + 1 < lines.size(); i += 2) {
            EXPECT_EQ(lines[i].from, (PixelPoint{30, 30}));
            EXPECT_EQ(lines[i].to, lines[i + 1].from);
            EXPECT_EQ(lines[i + 1].to, (PixelPoint{270, 30}));
            EXPECT_EQ(lines[i].width, 2);
            mids.push_back(lines[i].to);
        }
        return mids;
    };
    EXPECT_EQ(midpoints(2), (std::vector<PixelPoint>{{150, 30}, {150, 24}}));
    EXPECT_EQ(midpoints(3), (std::vector<PixelPoint>{{150, 36}, {150, 30}, {150, 24}}));
    EXPECT_EQ(midpoints(4), (std::vector<PixelPoint>{{150, 36}, {150, 30}, {150, 24}, {150, 18}}));
}

TEST(RenderConnection, DiagonalFanRoundsEachOffset) {
    // Step (4.24, -4.24): offsets k = -3 .. 4 give 12.73 -> 13, 8.49 -> 8, 4.24 -> 4, 16.97 -> 17.
    TRmg t;
    t.zones = {zoneAt(0, 0), zoneAt(2, 2)};
    t.connections = {joining(0, 1, 8)};
    const auto lines = connectionLines(render(t));
    ASSERT_EQ(lines.size(), 16u);
    const int offsets[] = {-13, -8, -4, 0, 4, 8, 13, 17};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(lines[2 * i].to, (PixelPoint{90 + offsets[i], 90 - offsets[i]})) << i;
}

TEST(RenderConnection, HalvesTakeTheirZonesColoursAndYellowWhenNotAutomatic) {
    TRmg t = horizontal(joining(0, 1, 3));
    t.zones[0].owner = 2;
    t.zones[0].existMode = 1; // owner's colour
    t.zones[1].existMode = 2; // navy
    t.connections[0].passages[1].autoExist = false;
    const auto lines = connectionLines(render(t));
    ASSERT_EQ(lines.size(), 6u);
    const Rgb blue = kPlayerColours[2];
    EXPECT_EQ(lines[0].colour, blue);
    EXPECT_EQ(lines[1].colour, kNavy);
    EXPECT_EQ(lines[2].colour, kYellow);
    EXPECT_EQ(lines[3].colour, kYellow);
    EXPECT_EQ(lines[4].colour, blue);
    EXPECT_EQ(lines[5].colour, kNavy);
}

TEST(RenderConnection, ExistenceColoursOfZones) {
    ZoneRecord z;
    EXPECT_EQ(existColour(z), kBlack);
    z.existMode = 1;
    EXPECT_EQ(existColour(z), kBlack); // no owner
    for (int owner = 1; owner <= 8; ++owner) {
        z.owner = owner;
        EXPECT_EQ(existColour(z), kPlayerColours[static_cast<size_t>(owner)]);
    }
    z.existMode = 2;
    EXPECT_EQ(existColour(z), kNavy);
}

TEST(RenderConnection, DraggedConnectionIsLeftOutAndOthersStay) {
    TRmg t = horizontal(joining(0, 1));
    t.zones.push_back(zoneAt(0, 4));
    t.connections.push_back(joining(0, 2));
    const auto all = connectionLines(render(t));
    ASSERT_EQ(all.size(), 4u);
    const auto dragged = connectionLines(render(t, viewAt(2), connectionRef(0)));
    ASSERT_EQ(dragged.size(), 2u);
    EXPECT_EQ(dragged[1].to, (PixelPoint{30, 270}));
    // Dragging a zone does not hide its connections.
    EXPECT_EQ(connectionLines(render(t, viewAt(2), zoneRef(0))).size(), 4u);
}

TEST(RenderConnection, ConnectionsAreDrawnBeforeAllZones) {
    TRmg t = horizontal(joining(0, 1));
    const RecordingPainter p = render(t);
    size_t lastLine = 0;
    size_t firstEllipse = p.calls().size();
    for (size_t i = 0; i < p.calls().size(); ++i) {
        if (p.calls()[i].op == PaintOp::LineTo)
            lastLine = i;
        if (p.calls()[i].op == PaintOp::Ellipse)
            firstEllipse = std::min(firstEllipse, i);
    }
    EXPECT_LT(lastLine, firstEllipse);
}

// One zone at (0, 0): centre (30, 30), radius 35 at zoom 2.
TRmg single(const ZoneRecord& z) {
    TRmg t;
    t.zones = {z};
    return t;
}

TEST(RenderZone, CircleColoursAndPen) {
    ZoneRecord z = zoneAt(0, 0);
    z.kind = 1;
    z.owner = 3;
    z.existMode = 1;
    z.monsterStrength = 3;
    const auto ellipses = render(single(z)).ellipses();
    ASSERT_EQ(ellipses.size(), 1u); // a treasure zone has no inner ring
    const RecordedShape& e = ellipses[0];
    EXPECT_EQ((std::array{e.left, e.top, e.right, e.bottom}), (std::array{-5, -5, 65, 65}));
    EXPECT_EQ(e.brushColour, kPlayerColours[3]);
    EXPECT_EQ(e.brushStyle, BrushStyle::Solid);
    EXPECT_EQ(e.penColour, kPlayerColours[3]);
    EXPECT_EQ(e.penWidth, 4);
    EXPECT_EQ(e.penStyle, PenStyle::Solid);

    z.owner = 0;
    z.monsterStrength = 0;
    const auto plain = render(single(z)).ellipses();
    EXPECT_EQ(plain[0].brushColour, kWhite);
    EXPECT_EQ(plain[0].penColour, kBlack);
    EXPECT_EQ(plain[0].penWidth, 1);
}

TEST(RenderZone, RadiusAtTheExtremeZoomLevels) {
    ZoneRecord z = zoneAt(0, 0);
    z.size = 40;
    auto e = render(single(z), viewAt(5)).ellipses().at(0);
    EXPECT_EQ(e.right - e.left, 44);
    EXPECT_EQ(e.left, 12 - 22);
    e = render(single(z), viewAt(0)).ellipses().at(0);
    EXPECT_EQ(e.right - e.left, 154);
}

TEST(RenderZone, InnerRingByKind) {
    ZoneRecord z = zoneAt(0, 0);
    z.kind = 0;
    auto ellipses = render(single(z)).ellipses();
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(
        (std::array{ellipses[1].left, ellipses[1].top, ellipses[1].right, ellipses[1].bottom}),
        (std::array{-1, -1, 61, 61}));
    EXPECT_EQ(ellipses[1].penColour, kBlack);
    EXPECT_EQ(ellipses[1].penWidth, 1);
    EXPECT_EQ(ellipses[1].penStyle, PenStyle::Solid);
    z.kind = 2;
    ellipses = render(single(z)).ellipses();
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[1].penStyle, PenStyle::Dotted);
    z.kind = 1;
    EXPECT_EQ(render(single(z)).ellipses().size(), 1u);
}

TEST(RenderZone, TownSpikesByTownMode) {
    ZoneRecord z = zoneAt(0, 0);
    z.owner = 5;
    auto polygons = [&](int mode, int pc, int pt, int nc, int nt) {
        z.townMode = mode;
        z.playerCastles = pc;
        z.playerTowns = pt;
        z.neutralCastles = nc;
        z.neutralTowns = nt;
        return render(single(z)).polygons();
    };
    EXPECT_TRUE(polygons(0, 1, 1, 1, 1).empty());
    const auto lower = polygons(1, 0, 0, 0, 0);
    ASSERT_EQ(lower.size(), 2u);
    // r = 35, r div 2 = 17.
    EXPECT_EQ(lower[0].points, (std::vector<PixelPoint>{{13, 30}, {-5, 65}, {30, 47}}));
    EXPECT_EQ(lower[1].points, (std::vector<PixelPoint>{{47, 30}, {65, 65}, {30, 47}}));
    EXPECT_EQ(lower[0].penColour, kBlack);
    EXPECT_EQ(lower[0].penWidth, 1);
    EXPECT_EQ(lower[0].brushColour, kPlayerColours[5]);
    const auto both = polygons(2, 0, 0, 0, 0);
    ASSERT_EQ(both.size(), 4u);
    EXPECT_EQ(both[2].points, (std::vector<PixelPoint>{{13, 30}, {-5, -5}, {30, 13}}));
    EXPECT_EQ(both[3].points, (std::vector<PixelPoint>{{47, 30}, {65, -5}, {30, 13}}));
    EXPECT_TRUE(polygons(3, 0, 0, 0, 0).empty());
    EXPECT_EQ(polygons(3, 0, 0, 0, 2).size(), 2u); // neutral towns without fort only
    EXPECT_EQ(polygons(3, 0, 1, 0, 0).size(), 2u);
    EXPECT_EQ(polygons(3, 0, 0, 1, 0).size(), 4u);
    EXPECT_EQ(polygons(3, 1, 0, 0, 0).size(), 4u);
    // Spikes come before the circle, which covers their inner parts.
    polygons(2, 0, 0, 0, 0);
    const RecordingPainter p = render(single(z));
    EXPECT_EQ(p.calls().back().op, PaintOp::TextOut);
    size_t lastPolygon = 0, firstEllipse = 0;
    for (size_t i = 0; i < p.calls().size(); ++i) {
        if (p.calls()[i].op == PaintOp::Polygon)
            lastPolygon = i;
        if (p.calls()[i].op == PaintOp::Ellipse && firstEllipse == 0)
            firstEllipse = i;
    }
    EXPECT_LT(lastPolygon, firstEllipse);
}

TEST(RenderZone, DraggedZoneHasOnlyADottedOutline) {
    ZoneRecord z = zoneAt(0, 0);
    z.kind = 0;
    z.owner = 1;
    z.townMode = 2;
    z.monsterStrength = 3;
    TRmg t = single(z);
    t.zones.push_back(z);
    t.zones[1].gridX = 4;
    const RecordingPainter p = render(t, viewAt(2), zoneRef(0));
    const auto ellipses = p.ellipses();
    // Zone 1: outline only; zone 2: circle and ring.
    ASSERT_EQ(ellipses.size(), 3u);
    EXPECT_EQ(ellipses[0].penWidth, 1);
    EXPECT_EQ(ellipses[0].penStyle, PenStyle::Dotted);
    EXPECT_EQ(ellipses[0].brushColour, kPlayerColours[1]);
    EXPECT_EQ(ellipses[0].left, -5);
    EXPECT_EQ(ellipses[1].penWidth, 4);
    EXPECT_EQ(ellipses[1].left, 235);
    EXPECT_EQ(p.polygons().size(), 4u); // zone 2's spikes only
    for (const auto& poly : p.polygons())
        EXPECT_GT(poly.points[0].x, 200);
    EXPECT_EQ(p.texts().size(), 2u);
}

TEST(RenderZone, OverlayHighlightsTheSelectionAndDrawsTheDragOverIt) {
    ZoneRecord z = zoneAt(0, 0);
    z.kind = 1; // no inner ring
    TRmg t = single(z);
    t.zones.push_back(z);
    t.zones[1].gridX = 4;
    t.connections = {joining(0, 1)};
    const std::vector<int32_t> zones = {1}, connections = {0};
    CanvasOverlay o;
    o.selectedZones = zones;
    o.selectedConnections = connections;
    o.ghosts = {{0, {0, 3}}};
    o.ghostsRefused = true;
    o.band = {{{5, 6}, {100, 120}}};
    RecordingPainter p;
    redraw(p, t, viewAt(2), 0, 707, 500, o);

    // A halo under the selected connection, as wide as its line and 8 more.
    const auto lines = connectionLines(p);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0].colour, kSelectionColour);
    EXPECT_EQ(lines[0].width, connectionPenWidth(t.connections[0]) + 8);
    EXPECT_EQ(segment(lines[0]), (Segment{{30, 30}, {270, 30}}));
    EXPECT_NE(lines[1].colour, kSelectionColour);
    // Zone 2 gets a ring 5 pixels outside its circle; zone 1 none. The refused
    // ghost is a red dotted outline at its target node.
    const auto ellipses = p.ellipses();
    ASSERT_EQ(ellipses.size(), 4u);
    EXPECT_EQ(
        (std::array{ellipses[2].left, ellipses[2].top, ellipses[2].right, ellipses[2].bottom}),
        (std::array{230, -10, 310, 70}));
    EXPECT_EQ(ellipses[2].penColour, kSelectionColour);
    EXPECT_EQ(ellipses[2].penWidth, 4);
    EXPECT_EQ(ellipses[2].brushStyle, BrushStyle::Clear);
    EXPECT_EQ(ellipses[3].left, -5);
    EXPECT_EQ(ellipses[3].top, 175);
    EXPECT_EQ(ellipses[3].penColour, kRefusedColour);
    EXPECT_EQ(ellipses[3].penStyle, PenStyle::Dotted);
    // The band's four sides come last.
    ASSERT_GE(lines.size(), 4u);
    const RecordedLine& last = lines.back();
    EXPECT_EQ(segment(last), (Segment{{5, 120}, {5, 6}}));
    EXPECT_EQ(last.style, PenStyle::Dotted);

    // Without an overlay the picture is the plain one.
    RecordingPainter plain;
    redraw(plain, t, viewAt(2), 0, 707, 500, CanvasOverlay{});
    EXPECT_EQ(plain.calls().size(), render(t).calls().size());
}

TEST(TransientMarksArea, APointerLineOfNoLengthStillCoversItsDot) {
    CanvasOverlay o;
    o.pointerLine = {{{50, 40}, {50, 40}}};
    const auto area = transientMarksArea(makeNewTemplate(), viewAt(2), o, 200, 100);
    ASSERT_EQ(area.size(), 1u);
    EXPECT_TRUE(area[0].left < 50 && 50 < area[0].right && area[0].top < 40 && 40 < area[0].bottom);
}

TEST(RenderZone, CullingAtOneNodePitchOutside) {
    TRmg t;
    // Centres at x = -30, -90, 750, 810 and y = -30, -90 (h = 30, W = 707, H = 500).
    t.zones = {zoneAt(-1, 3), zoneAt(-2, 3), zoneAt(12, 3), zoneAt(13, 3),
               zoneAt(3, -1), zoneAt(3, -2), zoneAt(3, 8),  zoneAt(3, 9)};
    const auto texts = render(t).texts();
    std::vector<std::string> drawn;
    for (const auto& tx : texts)
        drawn.push_back(tx.text);
    // y: 8 -> 510 drawn, 9 -> 570 drawn (<= 560? no): H + 2h = 560.
    EXPECT_EQ(drawn, (std::vector<std::string>{"1", "3", "5", "7"}));
    // The same edge one column further when the origin moves.
    const auto shifted = render(t, viewAt(2, -1, 0)).texts();
    EXPECT_EQ(shifted.front().text, "1");
    EXPECT_EQ(shifted[1].text, "2");
}

TEST(RenderZone, NumbersCentredInVerdanaByZoom) {
    TRmg t;
    for (int i = 0; i < 12; ++i)
        t.zones.push_back(zoneAt(2 * (i % 6), 2 * (i / 6)));
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        const ViewState v = viewAt(zoom);
        const auto texts = render(t, v, 0, 2000, 2000).texts();
        ASSERT_EQ(texts.size(), 12u);
        const int size = 27 - 4 * zoom;
        for (int i = 0; i < 12; ++i) {
            const RecordedText& tx = texts[static_cast<size_t>(i)];
            EXPECT_EQ(tx.text, std::to_string(i + 1));
            EXPECT_EQ(tx.face, "Verdana");
            EXPECT_EQ(tx.pointSize, size);
            EXPECT_EQ(tx.colour, kBlack);
            EXPECT_EQ(tx.brushStyle, BrushStyle::Clear);
            // The recording painter's metrics: (size * 3 / 5) per character, size * 4 / 3 high.
            const int w = size * 3 / 5 * static_cast<int>(tx.text.size());
            const int h = size * 4 / 3;
            const PixelPoint c = nodeToPixel(v, t.zones[static_cast<size_t>(i)].gridX,
                                             t.zones[static_cast<size_t>(i)].gridY);
            EXPECT_EQ(tx.x, c.x - w / 2);
            EXPECT_EQ(tx.y, c.y - h / 2);
        }
    }
}

TEST(RenderDamagedValues, OutOfRangeFieldsHaveSafeFallbacks) {
    TRmg t;
    t.zones = {zoneAt(0, 0), zoneAt(4, 0), zoneAt(0, 4)};
    t.zones[0].owner = 9;
    t.zones[0].existMode = 1;
    t.zones[0].monsterStrength = -3;
    t.zones[1].owner = -1;
    t.zones[1].existMode = 7;
    t.zones[1].monsterStrength = 12;
    t.zones[2].size = -100;
    t.zones[2].kind = 5;
    t.connections = {joining(0, 9), joining(-1, 1), joining(0, 1, 0), joining(0, 2, 12),
                     joining(1, 2)};
    t.connections[4].passages[0].guard = -900000;
    t.connections[4].passages[0].kind = 7;
    const RecordingPainter p = render(t);

    const auto lines = connectionLines(p);
    // Missing zones: skipped. Count 0: one passage. Count 12: the eight slots.
    ASSERT_EQ(lines.size(), 2u + 16u + 2u);
    EXPECT_EQ(lines[0].colour, kBlack); // owner 9 has no colour
    EXPECT_EQ(lines[1].colour, kBlack); // mode 7
    EXPECT_EQ(lines[0].width, 6);       // one ordinary passage, guard 6000
    EXPECT_EQ(lines[2].width, 2);
    EXPECT_EQ(lines[18].width, 1); // negative guard: still visible
    EXPECT_EQ(lines[19].width, 1);

    const auto ellipses = p.ellipses();
    ASSERT_GE(ellipses.size(), 3u);
    EXPECT_EQ(ellipses[0].brushColour, kBlack);
    EXPECT_EQ(ellipses[0].penWidth, 1);
    EXPECT_EQ(ellipses[1].brushColour, kBlack);
    EXPECT_EQ(ellipses[1].penWidth, 4);
    // Negative size: an empty circle, no inner ring, but the number stays.
    EXPECT_EQ(ellipses.back().left, ellipses.back().right);
    EXPECT_EQ(p.texts().size(), 3u);
}

TEST(RenderDamagedValues, ExtremeGridPositionsStayInRange) {
    TRmg t;
    t.zones = {zoneAt(INT32_MAX, INT32_MIN), zoneAt(INT32_MIN, INT32_MAX), zoneAt(0, 0)};
    t.connections = {joining(0, 1, 8), joining(0, 2), joining(1, 2)};
    t.connections[1].passages[0].kind = 2;
    const RecordingPainter p = render(t, viewAt(0, INT32_MIN, INT32_MAX));
    EXPECT_EQ(connectionLines(p).size(), 16u + 3u + 2u);
    // Only zone 2 lies at the origin; the others are far off and culled.
    ASSERT_EQ(p.texts().size(), 1u);
    EXPECT_EQ(p.texts()[0].text, "2");
}

} // namespace
} // namespace zw
