#include "canvas/geometry.h"

#include "model/transform.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace zw {

int32_t zoneRadiusFactor(int32_t size) {
    return std::min(size / 4 + 4, 11);
}

int32_t zoneRadiusPixels(int32_t size, const ViewState& v) {
    // A size from a file may be any number: its factor times the zoom's may
    // not fit 32 bits.
    const int64_t r = int64_t{zoneRadiusFactor(size)} * (7 - int64_t{v.zoomLevel});
    return static_cast<int32_t>(std::clamp<int64_t>(r, INT32_MIN, INT32_MAX));
}

PixelPoint nodeToPixel(const ViewState& v, int32_t gx, int32_t gy) {
    const int64_t h = v.halfCell();
    // Computed in 64 bits and clamped: grid values from files may be extreme.
    auto conv = [h](int64_t g, int64_t o) {
        const int64_t p = h * (2 * (g - o) + 1);
        return static_cast<int32_t>(std::clamp<int64_t>(p, INT32_MIN / 2, INT32_MAX / 2));
    };
    return PixelPoint{conv(gx, v.originX), conv(gy, v.originY)};
}

GridPoint pixelToNode(const ViewState& v, int32_t px, int32_t py) {
    const int32_t h = v.halfCell();
    auto conv = [h](int32_t p, int32_t o) {
        int32_t k = p / h;
        if (k % 2 == 1)
            k = k - 1;
        return static_cast<int32_t>(static_cast<int64_t>(k / 2) + o);
    };
    return GridPoint{conv(px, v.originX), conv(py, v.originY)};
}

RealPoint pointerToGrid(const ViewState& v, int32_t px, int32_t py) {
    const double h = v.halfCell();
    return RealPoint{(px - h) / (2 * h) + v.originX, (py - h) / (2 * h) + v.originY};
}

bool nodeBlocked(const TRmg& t, int32_t gx, int32_t gy, int skip) {
    return nodeTaken(t, gx, gy, skip);
}

namespace {

// Centre of a node in pixels without clamping, for exact comparisons.
struct Pixel64 {
    int64_t x = 0;
    int64_t y = 0;
};

Pixel64 nodeCentre(const ViewState& v, int32_t gx, int32_t gy) {
    const int64_t h = v.halfCell();
    return Pixel64{h * (2 * (static_cast<int64_t>(gx) - v.originX) + 1),
                   h * (2 * (static_cast<int64_t>(gy) - v.originY) + 1)};
}

} // namespace

// The tests are done in pixels, where the pointer and the node centres are
// integers: the grid-unit form of the same rules (pointer at (px - halfCell) /
// (2 * halfCell) + origin, band 5 / halfCell, radius factor / 12) is one uniform
// scaling away, but its rounding let pointers exactly 10 pixels from a
// connection, or exactly on a zone's circle, count as hits.
ItemRef hitTest(const TRmg& t, const ViewState& v, int32_t px, int32_t py) {
    const Pixel64 f{px, py};
    for (size_t k = 0; k < t.zones.size(); ++k) {
        const auto& z = t.zones[k];
        const int64_t r = zoneRadiusPixels(z.size, v);
        const Pixel64 c = nodeCentre(v, z.gridX, z.gridY);
        const int64_t dx = f.x - c.x;
        const int64_t dy = f.y - c.y;
        // Strictly inside the drawn circle; the first check keeps the squares small.
        if (std::llabs(dx) < r && std::llabs(dy) < r && dx * dx + dy * dy < r * r)
            return zoneRef(static_cast<int>(k));
    }
    constexpr int64_t band = 10; // pixels on each side of the line and beyond its ends
    const auto n = static_cast<int32_t>(t.zones.size());
    for (size_t j = 0; j < t.connections.size(); ++j) {
        const auto& c = t.connections[j];
        if (c.zoneA < 0 || c.zoneA >= n || c.zoneB < 0 || c.zoneB >= n)
            continue;
        const auto& za = t.zones[static_cast<size_t>(c.zoneA)];
        const auto& zb = t.zones[static_cast<size_t>(c.zoneB)];
        const Pixel64 a = nodeCentre(v, za.gridX, za.gridY);
        const Pixel64 b = nodeCentre(v, zb.gridX, zb.gridY);
        // Distance from the line through A and B. When both ends share a node the
        // angle of the line is taken as 0, which measures the vertical distance.
        bool near = false;
        if (a.x == b.x && a.y == b.y) {
            near = std::llabs(f.y - a.y) < band;
        } else {
            const double lx = static_cast<double>(b.x - a.x);
            const double ly = static_cast<double>(b.y - a.y);
            const double cross =
                lx * static_cast<double>(f.y - a.y) - ly * static_cast<double>(f.x - a.x);
            near = std::fabs(cross) < band * std::sqrt(lx * lx + ly * ly);
        }
        if (!near)
            continue;
        if (!(f.x > std::min(a.x, b.x) - band && f.x < std::max(a.x, b.x) + band))
            continue;
        if (!(f.y > std::min(a.y, b.y) - band && f.y < std::max(a.y, b.y) + band))
            continue;
        return connectionRef(static_cast<int>(j));
    }
    return 0;
}

ScrollRanges scrollRanges(const TRmg& t) {
    ScrollRanges r;
    for (const auto& z : t.zones) {
        r.hMin = std::min(r.hMin, z.gridX);
        r.hMax = std::max(r.hMax, z.gridX);
        r.vMin = std::min(r.vMin, z.gridY);
        r.vMax = std::max(r.vMax, z.gridY);
    }
    return r;
}

int64_t roundHalfEven(double v) {
    return static_cast<int64_t>(std::nearbyint(v));
}

// Liang-Barsky.
bool clipSegment(double& x0, double& y0, double& x1, double& y1, double loX, double loY, double hiX,
                 double hiY) {
    double t0 = 0;
    double t1 = 1;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const std::array<double, 4> p = {-dx, dx, -dy, dy};
    const std::array<double, 4> q = {x0 - loX, hiX - x0, y0 - loY, hiY - y0};
    for (size_t i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    const double ox = x0;
    const double oy = y0;
    x0 = ox + t0 * dx;
    y0 = oy + t0 * dy;
    x1 = ox + t1 * dx;
    y1 = oy + t1 * dy;
    return true;
}

} // namespace zw
