#include "canvas/geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zw {

int32_t zoneRadiusFactor(int32_t size) { return std::min(size / 4 + 4, 11); }

int32_t zoneRadiusPixels(int32_t size, const ViewState& v) {
    return zoneRadiusFactor(size) * (7 - v.zoomLevel);
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
    for (size_t k = 0; k < t.zones.size(); ++k) {
        if (static_cast<int>(k) == skip)
            continue;
        const auto& z = t.zones[k];
        if (std::llabs(static_cast<int64_t>(z.gridX) - gx) <= 1 &&
            std::llabs(static_cast<int64_t>(z.gridY) - gy) <= 1)
            return true;
    }
    return false;
}

ItemRef hitTest(const TRmg& t, const ViewState& v, int32_t px, int32_t py) {
    const RealPoint f = pointerToGrid(v, px, py);
    for (size_t k = 0; k < t.zones.size(); ++k) {
        const auto& z = t.zones[k];
        const double d = std::hypot(f.x - z.gridX, f.y - z.gridY);
        if (zoneRadiusFactor(z.size) / 12.0 > d)
            return zoneRef(static_cast<int>(k));
    }
    const double e = 5.0 / v.halfCell();
    const auto n = static_cast<int32_t>(t.zones.size());
    for (size_t j = 0; j < t.connections.size(); ++j) {
        const auto& c = t.connections[j];
        if (c.zoneA < 0 || c.zoneA >= n || c.zoneB < 0 || c.zoneB >= n)
            continue;
        const double ax = t.zones[static_cast<size_t>(c.zoneA)].gridX;
        const double ay = t.zones[static_cast<size_t>(c.zoneA)].gridY;
        const double bx = t.zones[static_cast<size_t>(c.zoneB)].gridX;
        const double by = t.zones[static_cast<size_t>(c.zoneB)].gridY;
        const double dA = std::hypot(f.x - ax, f.y - ay);
        const double t1 = std::atan2(ay - by, ax - bx);
        const double t2 = std::atan2(ay - f.y, ax - f.x);
        double delta = std::fabs(t1 - t2);
        if (delta > M_PI)
            delta = 2 * M_PI - delta;
        if (!(dA * std::sin(delta) < e))
            continue;
        if (!(f.x > std::min(ax, bx) - e && f.x < std::max(ax, bx) + e))
            continue;
        if (!(f.y > std::min(ay, by) - e && f.y < std::max(ay, by) + e))
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

int64_t roundHalfEven(double v) { return static_cast<int64_t>(std::nearbyint(v)); }

} // namespace zw
