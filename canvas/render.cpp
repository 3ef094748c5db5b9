#include "canvas/render.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zw {
namespace {

struct Point64 {
    int64_t x = 0;
    int64_t y = 0;
};

int clampToInt(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

bool validZone(const TRmg& t, int32_t index) {
    return index >= 0 && static_cast<size_t>(index) < t.zones.size();
}

// The node grid's lines in the order they are drawn: at every step one
// vertical and one horizontal line, each thick at every fifth node.
std::vector<GridLine> gridLines(const ViewState& v, int width, int height) {
    std::vector<GridLine> lines;
    const int64_t h = v.halfCell();
    for (int64_t count = 0;; ++count) {
        const int64_t s = h + 2 * h * count;
        if (s <= width - 6)
            lines.push_back({true, clampToInt(s), (count + v.originX) % 5 == 0 ? 3 : 1});
        if (s <= height - 15)
            lines.push_back({false, clampToInt(s), (count + v.originY) % 5 == 0 ? 3 : 1});
        if (s + 2 * h > width && s + 2 * h > height)
            break;
    }
    return lines;
}

// Angle perpendicular to the line from B to A, from the zones' grid positions.
double perpendicular(const ZoneRecord& a, const ZoneRecord& b) {
    const double dy = static_cast<double>(a.gridY) - b.gridY;
    const double dx = static_cast<double>(a.gridX) - b.gridX;
    return std::atan2(dy, dx) + M_PI / 2;
}

constexpr int kSelectionRingGap = 5;
constexpr int kSelectionRingWidth = 4;
constexpr int kSelectionHaloMargin = 8;

bool contains(std::span<const int32_t> sorted, int32_t x) {
    return std::binary_search(sorted.begin(), sorted.end(), x);
}

// A wide line under a selected connection, covering the fan of its passages.
void drawConnectionHalo(Painter& p, const TRmg& t, const ViewState& v, const ConnectionRecord& c) {
    const ZoneRecord& za = t.zones[static_cast<size_t>(c.zoneA)];
    const ZoneRecord& zb = t.zones[static_cast<size_t>(c.zoneB)];
    const PixelPoint a = nodeToPixel(v, za.gridX, za.gridY);
    const PixelPoint b = nodeToPixel(v, zb.gridX, zb.gridY);
    const int fan = 6 * (drawnPassageCount(c) - 1) + 2;
    p.setPen(kSelectionColour, std::max(connectionPenWidth(c), fan) + kSelectionHaloMargin,
             PenStyle::Solid);
    p.moveTo(a.x, a.y);
    p.lineTo(b.x, b.y);
}

void drawConnection(Painter& p, const TRmg& t, const ViewState& v, const ConnectionRecord& c) {
    const ZoneRecord& za = t.zones[static_cast<size_t>(c.zoneA)];
    const ZoneRecord& zb = t.zones[static_cast<size_t>(c.zoneB)];
    const int n = drawnPassageCount(c);
    const int width = connectionPenWidth(c);
    const PixelPoint a = nodeToPixel(v, za.gridX, za.gridY);
    const PixelPoint b = nodeToPixel(v, zb.gridX, zb.gridY);
    // nodeToPixel keeps coordinates within half the int range, so sums cannot overflow.
    const Point64 mid{(static_cast<int64_t>(a.x) + b.x) / 2, (static_cast<int64_t>(a.y) + b.y) / 2};

    double stepX = 0;
    double stepY = 0;
    if (n >= 2) {
        const double theta = perpendicular(za, zb);
        stepX = 6 * std::cos(theta);
        stepY = 6 * std::sin(theta);
    }
    const Rgb colourA = existColour(za);
    const Rgb colourB = existColour(zb);
    const int first = n / 2 - n + 1;
    for (int k = first; k <= n / 2; ++k) {
        const auto& passage = c.passages[static_cast<size_t>(k - first)];
        Point64 m = mid;
        if (n >= 2) {
            m.x += roundHalfEven(k * stepX);
            m.y += roundHalfEven(k * stepY);
        }
        p.setPen(passage.autoExist ? colourA : kYellow, width, PenStyle::Solid);
        p.moveTo(a.x, a.y);
        p.lineTo(clampToInt(m.x), clampToInt(m.y));
        p.setPen(passage.autoExist ? colourB : kYellow, width, PenStyle::Solid);
        p.lineTo(b.x, b.y);
    }

    if (n != 1)
        return;
    if (c.passages[0].kind == PassageKind::Wide) {
        // Grey core of a wide passage.
        p.setPen(kGridGrey, 12, PenStyle::Solid);
        p.moveTo(b.x, b.y);
        p.lineTo(a.x, a.y);
    } else if (c.passages[0].kind == PassageKind::BorderGuard) {
        // Black bar across the middle of a border guard passage.
        const double theta = perpendicular(za, zb);
        const double dx = 10 * std::cos(theta);
        const double dy = 10 * std::sin(theta);
        const auto mx = static_cast<double>(mid.x);
        const auto my = static_cast<double>(mid.y);
        p.setPen(kBlack, 6, PenStyle::Solid);
        p.moveTo(clampToInt(roundHalfEven(mx + dx)), clampToInt(roundHalfEven(my + dy)));
        p.lineTo(clampToInt(roundHalfEven(mx - dx)), clampToInt(roundHalfEven(my - dy)));
    }
}

void drawTownMarks(Painter& p, int cx, int cy, int r, bool towns, bool forts) {
    // Spikes at the lower corners for towns, at the upper corners for forts.
    if (!towns && !forts)
        return;
    p.setPen(kBlack, 1, PenStyle::Solid);
    const int half = r / 2;
    if (towns) {
        p.polygon({{cx - half, cy}, {cx - r, cy + r}, {cx, cy + half}});
        p.polygon({{cx + half, cy}, {cx + r, cy + r}, {cx, cy + half}});
    }
    if (forts) {
        p.polygon({{cx - half, cy}, {cx - r, cy - r}, {cx, cy - half}});
        p.polygon({{cx + half, cy}, {cx + r, cy - r}, {cx, cy - half}});
    }
}

ZoneFigure figureOf(const ViewState& v, const ZoneRecord& z, bool dragged, bool selected) {
    ZoneFigure f;
    // A negative size read from a file would give a negative radius: no circle then.
    f.radius = std::max(zoneRadiusPixels(z.size, v), 0);
    f.fill = zoneBrushColour(z);
    f.dragged = dragged;
    if (dragged)
        return f;
    f.outline = existColour(z);
    f.outlineWidth = nearestMonsterStrength(z) + 1;
    f.towns = hasTowns(z);
    f.forts = hasTownsWithFort(z);
    f.selected = selected;
    if (z.kind != ZoneKind::Treasure && f.radius > 4)
        f.inner = z.kind == ZoneKind::Junction ? ZoneFigure::InnerRing::Dotted
                                               : ZoneFigure::InnerRing::Solid;
    return f;
}

void drawZone(Painter& p, const ViewState& v, const ZoneRecord& z, int index, bool dragged,
              bool selected, int width, int height) {
    const PixelPoint c = nodeToPixel(v, z.gridX, z.gridY);
    const int64_t margin = 2 * static_cast<int64_t>(v.halfCell());
    if (c.x < -margin || c.x > width + margin || c.y < -margin || c.y > height + margin)
        return;
    p.zoneFigure(figureOf(v, z, dragged, selected), c.x, c.y);

    p.setFont(kCanvasFace, zoneNumberPointSize(v), kBlack);
    p.setBrush(kWhite, BrushStyle::Clear);
    const std::string number = std::to_string(index + 1);
    const int w = p.textWidth(number);
    const int h = p.textHeight(number);
    p.textOut(c.x - w / 2, c.y - h / 2, number);
}

ViewState clampedZoom(const ViewState& view) {
    // The zoom level is kept in range by the editor; a stray value must not stop
    // the grid loop (a half cell of 0 would never leave it).
    ViewState v = view;
    v.zoomLevel = std::clamp(v.zoomLevel, kMinZoom, kMaxZoom);
    return v;
}

// Widths of the marks' pens, and how far their pixels may reach past the
// figure at any ratio: half the pen, a pixel of rounding, square caps.
constexpr int kGhostPen = 2;
constexpr int kPointerLinePen = 2;
constexpr int kMarksReach = 4;

void drawMarks(Painter& p, const TRmg& t, const ViewState& v, const CanvasOverlay& o) {
    if (!o.ghosts.empty()) {
        p.setBrush(kWhite, BrushStyle::Clear);
        p.setPen(o.ghostsRefused ? kRefusedColour : kBlack, kGhostPen, PenStyle::Dotted);
    }
    for (const ZoneGhost& g : o.ghosts) {
        if (!validZone(t, g.index))
            continue;
        const int r = std::max(zoneRadiusPixels(t.zones[static_cast<size_t>(g.index)].size, v), 0);
        const PixelPoint c = nodeToPixel(v, g.node.x, g.node.y);
        p.ellipse(c.x - r, c.y - r, c.x + r, c.y + r);
    }
    if (o.pointerLine) {
        p.setPen(kBlack, kPointerLinePen, PenStyle::Solid);
        p.moveTo(o.pointerLine->first.x, o.pointerLine->first.y);
        p.lineTo(o.pointerLine->second.x, o.pointerLine->second.y);
    }
    if (o.band) {
        const auto [a, b] = *o.band;
        p.setPen(kBlack, 1, PenStyle::Dotted);
        p.moveTo(a.x, a.y);
        p.lineTo(b.x, a.y);
        p.lineTo(b.x, b.y);
        p.lineTo(a.x, b.y);
        p.lineTo(a.x, a.y);
    }
}

} // namespace

void drawZoneFigure(Painter& p, const ZoneFigure& f, int cx, int cy) {
    const int r = f.radius;
    p.setBrush(f.fill, BrushStyle::Solid);
    if (f.dragged) {
        p.setPen(kBlack, 1, PenStyle::Dotted);
    } else {
        drawTownMarks(p, cx, cy, r, f.towns, f.forts);
        p.setPen(f.outline, f.outlineWidth, PenStyle::Solid);
    }
    p.ellipse(cx - r, cy - r, cx + r, cy + r);
    if (f.selected && !f.dragged) {
        const int ring = r + kSelectionRingGap;
        p.setBrush(kWhite, BrushStyle::Clear);
        p.setPen(kSelectionColour, kSelectionRingWidth, PenStyle::Solid);
        p.ellipse(cx - ring, cy - ring, cx + ring, cy + ring);
    }
    if (!f.dragged && f.inner != ZoneFigure::InnerRing::None) {
        p.setPen(kBlack, 1,
                 f.inner == ZoneFigure::InnerRing::Dotted ? PenStyle::Dotted : PenStyle::Solid);
        p.ellipse(cx - r + 4, cy - r + 4, cx + r - 4, cy + r - 4);
    }
}

int zoneFigureReach(const ZoneFigure& f) {
    // The outline is centred on the circle's edge; the spikes reach the corners
    // of its square, their mitred tips about a pixel further.
    int reach = f.outlineWidth / 2 + 1;
    if (f.selected)
        reach = std::max(reach, kSelectionRingGap + kSelectionRingWidth / 2 + 1);
    return f.radius + reach + 2;
}

void Painter::backdrop(int width, int height, Rgb background, Rgb lineColour,
                       const std::vector<GridLine>& lines) {
    fillRect(0, 0, width, height, background);
    for (const GridLine& line : lines) {
        setPen(lineColour, line.width, PenStyle::Solid);
        if (line.vertical) {
            moveTo(line.at, 0);
            lineTo(line.at, height);
        } else {
            moveTo(0, line.at);
            lineTo(width, line.at);
        }
    }
}

void Painter::zoneFigure(const ZoneFigure& figure, int cx, int cy) {
    drawZoneFigure(*this, figure, cx, cy);
}

Rgb playerColour(int32_t owner) {
    if (owner < 0 || owner >= static_cast<int32_t>(kPlayerColours.size()))
        return kBlack;
    return kPlayerColours[static_cast<size_t>(owner)];
}

Rgb existColour(const ZoneRecord& z) {
    switch (z.existMode) {
    case code(ExistMode::WithOwner):
        return playerColour(z.owner);
    case code(ExistMode::Detailed):
        return kNavy;
    default:
        return kBlack;
    }
}

Rgb zoneBrushColour(const ZoneRecord& z) {
    return z.owner != 0 ? playerColour(z.owner) : kWhite;
}

int drawnPassageCount(const ConnectionRecord& c) {
    return std::clamp(c.passageCount, 1, kPassageSlots);
}

int connectionPenWidth(const ConnectionRecord& c) {
    if (drawnPassageCount(c) >= 2)
        return 2;
    switch (c.passages[0].kind) {
    case code(PassageKind::Wide):
        return 16;
    case code(PassageKind::BorderGuard):
        return 2;
    default:
        // Ordinary passage; a negative guard from a file still gets a visible line.
        return std::max(std::min(c.passages[0].guard / 1500, 10) + 2, 1);
    }
}

int zoneNumberPointSize(const ViewState& v) {
    return 27 - 4 * v.zoomLevel;
}

void redraw(Painter& p, const TRmg& t, const ViewState& view, ItemRef dragSource, int width,
            int height) {
    redraw(p, t, view, dragSource, width, height, CanvasOverlay{});
}

void redraw(Painter& p, const TRmg& t, const ViewState& view, ItemRef dragSource, int width,
            int height, const CanvasOverlay& overlay) {
    if (width <= 0 || height <= 0)
        return;
    const ViewState v = clampedZoom(view);

    p.backdrop(width, height, kSilver, kGridGrey, gridLines(v, width, height));

    for (size_t j = 0; j < t.connections.size(); ++j) {
        if (dragSource == connectionRef(static_cast<int>(j)))
            continue;
        const ConnectionRecord& c = t.connections[j];
        // A connection naming a zone that does not exist has no place to be drawn.
        if (!validZone(t, c.zoneA) || !validZone(t, c.zoneB))
            continue;
        if (!overlay.selectedConnections.empty() &&
            contains(overlay.selectedConnections, static_cast<int32_t>(j)))
            drawConnectionHalo(p, t, v, c);
        drawConnection(p, t, v, c);
    }

    for (size_t k = 0; k < t.zones.size(); ++k) {
        const int index = static_cast<int>(k);
        const bool selected =
            !overlay.selectedZones.empty() && contains(overlay.selectedZones, index);
        drawZone(p, v, t.zones[k], index, dragSource == zoneRef(index), selected, width, height);
    }

    drawMarks(p, t, v, overlay);
}

void drawTransientMarks(Painter& p, const TRmg& t, const ViewState& v, const CanvasOverlay& o) {
    drawMarks(p, t, clampedZoom(v), o);
}

std::vector<PixelRect> transientMarksArea(const TRmg& t, const ViewState& view,
                                          const CanvasOverlay& o, int width, int height) {
    const ViewState v = clampedZoom(view);
    std::vector<PixelRect> area;
    // A box of the segment from a to b, `reach` wider on every side, cut to the canvas.
    auto add = [&](int64_t ax, int64_t ay, int64_t bx, int64_t by, int64_t reach) {
        const int64_t left = std::max<int64_t>(std::min(ax, bx) - reach, 0);
        const int64_t top = std::max<int64_t>(std::min(ay, by) - reach, 0);
        const int64_t right = std::min<int64_t>(std::max(ax, bx) + reach + 1, width);
        const int64_t bottom = std::min<int64_t>(std::max(ay, by) + reach + 1, height);
        if (left < right && top < bottom)
            area.push_back({static_cast<int32_t>(left), static_cast<int32_t>(top),
                            static_cast<int32_t>(right), static_cast<int32_t>(bottom)});
    };
    // A line as a chain of boxes a few dozen pixels long; only the part that
    // can reach the canvas is walked.
    auto addLine = [&](PixelPoint a, PixelPoint b, int64_t reach) {
        constexpr int64_t kPiece = 32;
        double x0 = a.x, y0 = a.y, x1 = b.x, y1 = b.y;
        const double margin = static_cast<double>(reach + kPiece);
        if (!clipSegment(x0, y0, x1, y1, -margin, -margin, width + margin, height + margin))
            return;
        const double length = std::max(std::fabs(x1 - x0), std::fabs(y1 - y0));
        const auto pieces = std::max<int64_t>(1, static_cast<int64_t>(std::ceil(length / kPiece)));
        for (int64_t i = 0; i < pieces; ++i) {
            const double s0 = static_cast<double>(i) / static_cast<double>(pieces);
            const double s1 = static_cast<double>(i + 1) / static_cast<double>(pieces);
            add(static_cast<int64_t>(std::floor(x0 + s0 * (x1 - x0))),
                static_cast<int64_t>(std::floor(y0 + s0 * (y1 - y0))),
                static_cast<int64_t>(std::ceil(x0 + s1 * (x1 - x0))),
                static_cast<int64_t>(std::ceil(y0 + s1 * (y1 - y0))), reach);
        }
    };
    for (const ZoneGhost& g : o.ghosts) {
        if (!validZone(t, g.index))
            continue;
        const int64_t r =
            std::max(zoneRadiusPixels(t.zones[static_cast<size_t>(g.index)].size, v), 0);
        const PixelPoint c = nodeToPixel(v, g.node.x, g.node.y);
        add(c.x - r, c.y - r, c.x + r, c.y + r, kGhostPen + kMarksReach);
    }
    if (o.pointerLine)
        addLine(o.pointerLine->first, o.pointerLine->second, kPointerLinePen + kMarksReach);
    if (o.band) {
        const auto [a, b] = *o.band;
        addLine(a, {b.x, a.y}, 1 + kMarksReach);
        addLine({b.x, a.y}, b, 1 + kMarksReach);
        addLine(b, {a.x, b.y}, 1 + kMarksReach);
        addLine({a.x, b.y}, a, 1 + kMarksReach);
    }
    return area;
}

} // namespace zw
