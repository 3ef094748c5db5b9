#include "canvas/qt_painter.h"
#include "canvas/render.h"
#include "support/canvas_samples.h"

#include <QFontDatabase>
#include <QRect>
#include <array>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <span>
#include <tuple>

namespace zw {
namespace {

using test::joining;
using test::viewAt;
using test::zoneAt;

QColor q(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

const QColor kInk(0, 0, 0), kRed(255, 0, 0), kPaper(255, 255, 255);

// A picture of w x h pixels painted white, then by `draw`.
template <class Draw>
QImage painted(int w, int h, Draw draw, QImage::Format format = QImage::Format_RGB32) {
    QImage img(w, h, format);
    {
        QtPainter p(img);
        p.fillRect(0, 0, w, h, kWhite);
        draw(p);
    }
    return img;
}

struct Px {
    int x, y;
    QColor colour;
};

void expectPixels(const QImage& img, std::span<const Px> rows) {
    for (const Px& r : rows)
        EXPECT_EQ(img.pixelColor(r.x, r.y), r.colour) << "at " << r.x << ", " << r.y;
}

// Bounding box of the pixels of one colour inside an area.
QRect boxOf(const QImage& img, const QRect& area, const QColor& colour) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixelColor(x, y) == colour)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

TEST(QtPainterPrimitives, RectanglesAndEllipsesExcludeTheirRightAndBottomEdges) {
    const QImage img = painted(40, 40, [](QtPainter& p) {
        p.fillRect(2, 3, 5, 7, kNavy);
        p.setPen(kBlack, 1, PenStyle::Solid);
        p.setBrush(Rgb{255, 0, 0}, BrushStyle::Solid);
        p.ellipse(10, 10, 20, 20);
        p.setBrush(kWhite, BrushStyle::Clear);
        p.ellipse(22, 22, 38, 30);
    });
    EXPECT_EQ(boxOf(img, QRect(0, 0, 9, 9), q(kNavy)), QRect(2, 3, 3, 4));
    // Outline plus fill of the first ellipse cover exactly 10..19 on both axes.
    QRect drawn =
        boxOf(img, QRect(8, 8, 14, 14), kInk).united(boxOf(img, QRect(8, 8, 14, 14), kRed));
    EXPECT_EQ(drawn, QRect(10, 10, 10, 10));
    // A clear brush leaves the inside as it was.
    EXPECT_EQ(boxOf(img, QRect(21, 21, 19, 12), kInk), QRect(22, 22, 16, 8));
    const Px pixels[] = {{15, 15, kRed}, {30, 26, kPaper}};
    expectPixels(img, pixels);
}

TEST(QtPainterPrimitives, WidePensAreCentredOnTheEllipsesEdge) {
    const QImage img = painted(60, 60, [](QtPainter& p) {
        p.setBrush(Rgb{255, 0, 0}, BrushStyle::Solid);
        p.setPen(kBlack, 3, PenStyle::Solid);
        p.ellipse(10, 10, 50, 50);
    });
    // One pixel outside the bounds, two inside, then the fill.
    EXPECT_EQ(boxOf(img, img.rect(), kInk), QRect(9, 9, 42, 42));
    const Px pixels[] = {
        {9, 30, kInk}, {11, 30, kInk}, {12, 30, kRed}, {8, 30, kPaper}, {30, 30, kRed}};
    expectPixels(img, pixels);
}

TEST(QtPainterPrimitives, DottedEllipseAlternatesAlongItsEdge) {
    const QImage img = painted(80, 80, [](QtPainter& p) {
        p.setBrush(kWhite, BrushStyle::Clear);
        p.setPen(kBlack, 1, PenStyle::Dotted);
        p.ellipse(10, 10, 70, 70);
    });
    int black = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x)
            black += img.pixelColor(x, y) == kInk ? 1 : 0;
    // A solid ring of radius 30 has about 2 * pi * 30 = 190 pixels.
    EXPECT_GT(black, 40);
    EXPECT_LT(black, 120);
    EXPECT_EQ(
        boxOf(img, img.rect(), kInk).adjusted(-1, -1, 1, 1).intersected(QRect(10, 10, 60, 60)),
        QRect(10, 10, 60, 60));
}

TEST(QtPainterPrimitives, PolygonsFillAndOutlineThroughTheirCorners) {
    const QImage img = painted(40, 40, [](QtPainter& p) {
        p.setPen(kBlack, 1, PenStyle::Solid);
        p.setBrush(kNavy, BrushStyle::Solid);
        p.polygon({{5, 5}, {30, 5}, {5, 30}});
        p.setBrush(kWhite, BrushStyle::Clear);
        p.polygon({{39, 28}, {39, 39}, {28, 39}});
    });
    // The corners and sides, then inside; the second has a clear brush: outline only.
    const Px pixels[] = {{5, 5, kInk},   {30, 5, kInk},  {5, 30, kInk},      {17, 5, kInk},
                         {5, 17, kInk},  {17, 18, kInk}, {10, 10, q(kNavy)}, {20, 20, q(kWhite)},
                         {39, 39, kInk}, {33, 34, kInk}, {36, 36, q(kWhite)}};
    expectPixels(img, pixels);
    EXPECT_EQ(boxOf(img, QRect(0, 0, 33, 33), kInk), QRect(5, 5, 26, 26));
}

TEST(QtPainterPrimitives, ShapesAcrossThePictureEdgesAreCut) {
    QImage img(30, 30, QImage::Format_RGB32);
    {
        QtPainter p(img);
        p.fillRect(-10, -10, 100, 100, kWhite);
        p.setPen(kBlack, 4, PenStyle::Solid);
        p.setBrush(kNavy, BrushStyle::Solid);
        p.ellipse(-40, -40, 20, 20);
        p.ellipse(25, 25, 90, 90);
        p.setPen(kBlack, 1, PenStyle::Solid);
        p.polygon({{-50, 29}, {100, 29}, {20, -1000}});
        p.setPen(kBlack, 16, PenStyle::Solid);
        p.moveTo(-2'000'000'000, 15);
        p.lineTo(2'000'000'000, 15);
    }
    const Px pixels[] = {{0, 0, q(kNavy)}, {29, 29, kInk}, {0, 15, kInk}};
    expectPixels(img, pixels);
}

TEST(QtPainterPrimitives, OtherImageFormatsDrawThroughQPainter) {
    const QImage img = painted(
        40, 40,
        [](QtPainter& p) {
            p.setPen(kBlack, 1, PenStyle::Solid);
            p.setBrush(Rgb{255, 0, 0}, BrushStyle::Solid);
            p.ellipse(10, 10, 20, 20);
            p.polygon({{25, 25}, {35, 25}, {25, 35}});
        },
        QImage::Format_RGB888);
    const Px pixels[] = {{15, 15, kRed}, {20, 15, kPaper}, {25, 25, kInk}, {27, 27, kRed}};
    expectPixels(img, pixels);
}

TEST(QtPainterPrimitives, PenWidthsAndDots) {
    const QImage img = painted(60, 60, [](QtPainter& p) {
        const std::tuple<int, int, PenStyle> lines[] = {
            {10, 3, PenStyle::Solid}, {20, 1, PenStyle::Solid}, {30, 1, PenStyle::Dotted}};
        for (const auto& [x, width, style] : lines) {
            p.setPen(kBlack, width, style);
            p.moveTo(x, 0);
            p.lineTo(x, 60);
        }
    });
    EXPECT_EQ(boxOf(img, QRect(0, 30, 15, 1), kInk), QRect(9, 30, 3, 1));
    EXPECT_EQ(boxOf(img, QRect(15, 30, 10, 1), kInk), QRect(20, 30, 1, 1));
    int black = 0;
    for (int y = 5; y < 55; ++y)
        black += img.pixelColor(30, y) == kInk ? 1 : 0;
    EXPECT_GT(black, 10);
    EXPECT_LT(black, 40);
}

// At ratios 1 and 2 polygons are copied from masks; other image formats are
// drawn by QPainter alone. Town marks of every radius a zone can have, in all
// four corners, and a wider pen without a brush: the same pixels either way.
TEST(QtPainterPrimitives, PolygonsCopiedFromMasksMatchQPainter) {
    constexpr int kCell = 170, kColumns = 8, kRadii = 78;
    constexpr int kWidth = kColumns * kCell, kHeight = (kRadii / kColumns + 1) * kCell;
    for (const int scale : {1, 2}) {
        auto draw = [&](QImage::Format format) {
            QImage img(kWidth * scale, kHeight * scale, format);
            img.setDevicePixelRatio(scale);
            QtPainter p(img);
            p.fillRect(0, 0, kWidth, kHeight, kWhite);
            for (int r = 0; r < kRadii; ++r) {
                const int cx = r % kColumns * kCell + kCell / 2 + r % 3;
                const int cy = r / kColumns * kCell + kCell / 2 + r % 5;
                const int half = r / 2;
                p.setPen(kBlack, 1, PenStyle::Solid);
                p.setBrush(kNavy, BrushStyle::Solid);
                for (const int sx : {-1, 1})
                    for (const int sy : {-1, 1})
                        p.polygon({{cx + sx * half, cy},
                                   {cx + sx * r, cy + sy * r},
                                   {cx, cy + sy * half}});
                p.setPen(kGridGrey, 3, PenStyle::Solid);
                p.setBrush(kWhite, BrushStyle::Clear);
                p.polygon(
                    {{cx - r, cy - 4}, {cx + r / 3, cy - r}, {cx + r, cy + r / 2}, {cx, cy + 2}});
            }
            return img;
        };
        const QImage copied = draw(QImage::Format_RGB32);
        const QImage drawn = draw(QImage::Format_RGB888).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(copied, drawn) << "scale " << scale;
    }
}

// The quick test of a dotted ring against the rule it stands for, the arc
// tangent's length along the ring, on pixel centres around rings from none to
// very large, the axes and their signed zeros included.
TEST(QtPainterPrimitives, DottedRingCoversFollowsTheLengthAlongTheRing) {
    auto byArcTangent = [](double dx, double dy, double radius) {
        return static_cast<int64_t>(std::floor((std::atan2(dy, dx) + M_PI) * radius)) % 3 == 0;
    };
    for (const double radius : {0.0, 0.5, 4.5, 29.5, 240.0, 7000.5}) {
        int differ = 0;
        constexpr int kSteps = 100000;
        for (int i = 0; i < kSteps; ++i) {
            const double angle = 2 * M_PI * i / kSteps;
            const double x = std::floor(2 * radius * std::cos(angle)) + 0.5;
            const double y = std::floor(2 * radius * std::sin(angle)) + 0.5;
            for (const double d : {-1.0, 0.0, 1.0})
                differ += dottedRingCovers(x + d, y, radius) != byArcTangent(x + d, y, radius);
        }
        for (const double a : {0.0, -0.0, 0.5, -0.5, 3.0, -3.0})
            for (const double b : {0.0, -0.0, 7.5, -7.5})
                differ += (dottedRingCovers(a, b, radius) != byArcTangent(a, b, radius)) +
                          (dottedRingCovers(b, a, radius) != byArcTangent(b, a, radius));
        EXPECT_EQ(differ, 0) << "radius " << radius;
    }
}

// A dotted ring keeps the pixels of the solid ring that dottedRingCovers
// picks, at both ratios, for centres on whole and half pixels, and for rings
// of one size drawn again elsewhere, whose decisions are kept.
TEST(QtPainterPrimitives, DottedRingsKeepThePixelsTheirRulePicks) {
    // Two of one size; two of another whose centres lie on half pixels across
    // and down at ratio 1; a large one.
    const std::array<QRect, 5> rings = {QRect(10, 10, 60, 60), QRect(80, 10, 60, 60),
                                        QRect(150, 10, 61, 60), QRect(220, 10, 60, 61),
                                        QRect(10, 80, 150, 110)};
    for (const int scale : {1, 2}) {
        auto draw = [&](PenStyle style) {
            QImage img(300 * scale, 200 * scale, QImage::Format_RGB32);
            img.setDevicePixelRatio(scale);
            QtPainter p(img);
            p.fillRect(0, 0, 300, 200, kWhite);
            p.setBrush(kWhite, BrushStyle::Clear);
            p.setPen(kBlack, 1, style);
            for (const QRect& r : rings)
                p.ellipse(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
            return img;
        };
        const QImage solid = draw(PenStyle::Solid);
        const QImage dotted = draw(PenStyle::Dotted);
        int differ = 0, dots = 0;
        for (const QRect& r : rings) {
            const double cx = (2.0 * r.left() + r.width()) / 2 * scale;
            const double cy = (2.0 * r.top() + r.height()) / 2 * scale;
            const double radius = (r.width() + r.height()) / 4.0 - 0.5;
            const QRect area(r.left() * scale - 1, r.top() * scale - 1, r.width() * scale + 2,
                             r.height() * scale + 2);
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const bool ring = solid.pixel(x, y) == qRgb(0, 0, 0);
                    const bool dot = ring && dottedRingCovers(x + 0.5 - cx, y + 0.5 - cy, radius);
                    differ += (dotted.pixel(x, y) == qRgb(0, 0, 0)) != dot;
                    dots += dot;
                }
        }
        EXPECT_EQ(differ, 0) << "scale " << scale;
        EXPECT_GT(dots, 100 * scale);
    }
}

TEST(QtPainterPrimitives, TextIsDrawnBelowAndRightOfItsPositionInItsColour) {
    int w = 0, h = 0;
    const QImage img = painted(120, 60, [&](QtPainter& p) {
        p.setFont("Verdana", 19, Rgb{0, 0, 128});
        p.setBrush(kWhite, BrushStyle::Clear);
        w = p.textWidth("88");
        h = p.textHeight("88");
        p.textOut(20, 10, "88");
    });
    EXPECT_GT(w, 10);
    EXPECT_GT(h, 15);
    const QRect ink = boxOf(img, img.rect(), q(kNavy));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(20, 10, w, h).contains(ink)) << ink.x() << "," << ink.y();
    // Nothing but the text colour and the background: no smoothing.
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            ASSERT_TRUE(c == q(kNavy) || c == q(kWhite)) << x << "," << y;
        }
}

TEST(QtPainterPrimitives, FontFallsBackToAnInstalledFace) {
    const QString family = resolveFontFamily("Verdana");
    EXPECT_FALSE(family.isEmpty());
    EXPECT_TRUE(QFontDatabase::hasFamily(family)) << family.toStdString();
    EXPECT_TRUE(QFontDatabase::hasFamily(resolveFontFamily("No Such Face 12345")));
}

// One probe per kind of drawing through the Qt painter: the background, a grid
// line each way, a zone's circle with its owner's colour, a town spike, the
// number; where each lies is the recorded drawing's business (render_test).
TEST(QtRender, ImageSizeBackgroundAndGrid) {
    const QImage img = renderToImage(TRmg{}, viewAt(2), 0, 707, 500);
    EXPECT_EQ(img.size(), QSize(707, 500));
    const Px pixels[] = {{5, 5, q(kSilver)},   {700, 495, q(kSilver)}, {90, 10, q(kGridGrey)},
                         {91, 10, q(kSilver)}, {10, 90, q(kGridGrey)}, {10, 91, q(kSilver)}};
    expectPixels(img, pixels);
    EXPECT_TRUE(renderToImage(TRmg{}, viewAt(2), 0, 0, 500).isNull());
    EXPECT_TRUE(renderToImage(TRmg{}, viewAt(2), 0, 300, -1).isNull());
}

TEST(QtRender, ZoneCircleSpikesAndNumber) {
    TRmg t;
    t.zones = {zoneAt(2, 2)};
    std::tie(t.zones[0].owner, t.zones[0].kind, t.zones[0].townMode) = std::tuple(4, 0, 2);
    const QImage img = renderToImage(t, viewAt(2), 0, 300, 300);
    // Centre (150, 150), radius 35: beside the number; in the lower left spike,
    // outside the circle; beyond the spike's tip.
    const Px pixels[] = {
        {130, 150, q(kPlayerColours[4])}, {123, 177, q(kPlayerColours[4])}, {110, 195, q(kSilver)}};
    expectPixels(img, pixels);
    const QRect ink = boxOf(img, QRect(135, 135, 31, 31), kInk);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 150, 3);
    EXPECT_NEAR(ink.center().y(), 150, 3);
    // A dragged zone is drawn without its spikes.
    EXPECT_EQ(renderToImage(t, viewAt(2), zoneRef(0), 300, 300).pixelColor(123, 177), q(kSilver));
}

TEST(QtRender, ConnectionColoursOnScreen) {
    TRmg t;
    t.zones = {zoneAt(0, 1), zoneAt(6, 1), zoneAt(0, 5), zoneAt(6, 5)};
    t.connections = {joining(0, 1), joining(2, 3)};
    t.connections[0].passages[0].autoExist = false;
    t.connections[1].passages[0].kind = 1;
    t.zones[2].owner = 1;
    t.zones[2].existMode = 1;
    const QImage img = renderToImage(t, viewAt(2), 0, 707, 500);
    // Row 90: the yellow passage, 6 pixels wide at guard 6000. Row 330: a 16-pixel
    // band with a 12-pixel grey core; red on A's half, black on B's.
    const Px pixels[] = {
        {250, 90, q(kYellow)},    {250, 87, q(kYellow)},    {250, 83, q(kSilver)},
        {170, 330, q(kGridGrey)}, {170, 335, q(kGridGrey)}, {170, 323, q(kPlayerColours[1])},
        {300, 323, kInk},         {300, 337, kInk},         {170, 318, q(kSilver)}};
    expectPixels(img, pixels);
}

TEST(QtRender, FarAwayZonesStillGiveTheVisiblePartOfTheirConnections) {
    TRmg t;
    t.zones = {zoneAt(0, 0), zoneAt(INT32_MAX, 0), zoneAt(0, INT32_MIN)};
    t.connections = {joining(0, 1, 3), joining(0, 2)};
    const QImage img = renderToImage(t, viewAt(2), 0, 707, 500);
    // The middle passage runs straight to the right along y = 30.
    // The zone covers the upward line's start.
    const Px pixels[] = {{400, 30, kInk}, {30, 15, q(kWhite)}};
    expectPixels(img, pixels);
}

// A few zones of every kind with towns and connections of every kind, for
// comparing pictures as a whole.
TRmg mixedTemplate() {
    TRmg t;
    for (int i = 0; i < 8; ++i) {
        ZoneRecord& z = t.zones.emplace_back(zoneAt(i % 4 * 3, i / 4 * 3));
        std::tie(z.owner, z.kind, z.townMode, z.monsterStrength) =
            std::tuple(i % 9, i % 3, i % 4, i % 4);
    }
    for (int i = 0; i + 1 < 8; ++i)
        t.connections.push_back(joining(i, i + 1, 1 + i % 3));
    t.connections[3].passages[0].kind = 1;
    return t;
}

TEST(QtRender, ScaleDrawsTheSameGeometryWithFinerPixels) {
    const TRmg t = mixedTemplate();
    const QImage one = renderToImage(t, viewAt(2), 0, 707, 500);
    const QImage two = renderToImage(t, viewAt(2), 0, 707, 500, 2.0);
    ASSERT_EQ(two.size(), QSize(1414, 1000));
    EXPECT_EQ(two.devicePixelRatio(), 2.0);
    EXPECT_EQ(two.deviceIndependentSize(), QSizeF(707, 500));
    // Probes in logical pixels: background, thick and thin grid lines, a zone's
    // fill beside its number, a connection; both device pixels of each agree.
    const std::pair<int, int> probes[] = {{250, 480}, {29, 10},   {31, 10},  {90, 10},  {10, 90},
                                          {12, 30},   {200, 195}, {120, 29}, {700, 495}};
    for (const auto& [x, y] : probes)
        for (const int d : {0, 1})
            EXPECT_EQ(two.pixelColor(2 * x + d, 2 * y + d), one.pixelColor(x, y)) << x << "," << y;
    // The whole picture, one device pixel of each logical one: only pixels on
    // the edges of circles, spikes and digits may differ.
    int differ = 0;
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 707; ++x)
            differ += two.pixel(2 * x + 1, 2 * y + 1) != one.pixel(x, y) ? 1 : 0;
    EXPECT_LT(differ, 707 * 500 / 100);
    // A fractional scale rounds the picture up and leaves no pixel unpainted.
    const QImage odd = renderToImage(TRmg{}, viewAt(2), 0, 101, 51, 1.5);
    ASSERT_EQ(odd.size(), QSize(152, 77));
    const Px pixels[] = {{151, 15, q(kSilver)}, {15, 76, q(kSilver)}};
    expectPixels(odd, pixels);
    for (const double bad : {0.0, -1.0, 17.0, std::nan("")})
        EXPECT_TRUE(renderToImage(t, viewAt(2), 0, 10, 10, bad).isNull()) << bad;
    EXPECT_TRUE(renderToImage(t, viewAt(2), 0, 8192, 10, 4.0).isNull());
}

// The grid tiled down from its top row and zone figures copied from kept
// images give the pixels of drawing everything each time: every look at every
// zoom level and ratio, selected and dragged, with circles across the
// picture's edges, and grids of two origins.
TEST(QtRender, CopiedRepeatsMatchDrawingEachTime) {
    TRmg t;
    for (int i = 0; i < 72; ++i) {
        ZoneRecord& z = t.zones.emplace_back(zoneAt(i % 12 * 2 - 1, i / 12 * 2 - 1));
        std::tie(z.owner, z.kind, z.townMode, z.neutralCastles, z.existMode) =
            std::tuple(i % 9, i % 3, i % 4, i / 4 % 2, i % 4);
        z.monsterStrength = i % 5 - (i % 7 == 0 ? 3 : 0);
        z.size = i % 2 == 0 ? 10 * i : -i;
    }
    std::vector<int32_t> selected;
    for (int32_t k = 0; k < 72; k += 5)
        selected.push_back(k);
    CanvasOverlay overlay;
    overlay.selectedZones = selected;
    for (const double scale : {1.0, 2.0})
        for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
            auto draw = [&](bool keep) {
                QImage img(static_cast<int>(503 * scale), static_cast<int>(397 * scale),
                           QImage::Format_RGB32);
                img.setDevicePixelRatio(scale);
                QtPainter p(img);
                p.setCopyRepeats(keep);
                redraw(p, t, viewAt(zoom, -zoom, zoom % 2), zoneRef(7), 503, 397, overlay);
                return img;
            };
            EXPECT_EQ(draw(true), draw(false)) << "zoom " << zoom << ", scale " << scale;
        }
}

TEST(QtRender, SameInputSamePicture) {
    TRmg t;
    for (int i = 0; i < 20; ++i) {
        ZoneRecord& z = t.zones.emplace_back(zoneAt(i % 5 * 3, i / 5 * 3));
        std::tie(z.owner, z.kind, z.townMode) = std::tuple(i % 9, i % 3, i % 4);
    }
    for (int i = 0; i + 1 < 20; ++i)
        t.connections.push_back(joining(i, i + 1, 1 + i % 4));
    EXPECT_EQ(renderToImage(t, viewAt(3), 0, 640, 480), renderToImage(t, viewAt(3), 0, 640, 480));
}

} // namespace
} // namespace zw
