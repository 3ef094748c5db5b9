// Mapping between the unbounded grid of zone nodes and canvas pixels, and the
// hit test that finds the zone or connection under the pointer.
#pragma once

#include "model/records.h"
#include "model/translation.h"

#include <cstdint>
#include <string_view>

namespace zw {

// 0 no item, k + 1 zone k, -(j + 1) connection j.
using ItemRef = int32_t;
inline ItemRef zoneRef(int k) {
    return k + 1;
}
inline ItemRef connectionRef(int j) {
    return -(j + 1);
}
inline bool refIsZone(ItemRef r) {
    return r > 0;
}
inline bool refIsConnection(ItemRef r) {
    return r < 0;
}
inline int refZone(ItemRef r) {
    return r - 1;
}
inline int refConnection(ItemRef r) {
    return -r - 1;
}

// The grid nodes the canvas shows and scrolls to and the zone tools put
// zones on: the 32-bit range less a margin far wider than any canvas, so that
// every node on a canvas showing one of them is a 32-bit node. Zones beyond it
// (from a file) are still shown; pasting them is refused.
inline constexpr int64_t kGridReach = 2'000'000'000;
// Shown through translated("Canvas", ...).
inline constexpr std::string_view kOutOfReachMessage =
    ZW_TR_NOOP("Canvas", "Координаты локаций должны быть от -2000000000 до 2000000000.");
inline bool nodeInReach(int64_t x, int64_t y) {
    return x >= -kGridReach && x <= kGridReach && y >= -kGridReach && y <= kGridReach;
}

inline constexpr int kMinZoom = 0;
inline constexpr int kMaxZoom = 5;

struct ViewState {
    int32_t zoomLevel = 2; // 0 largest scale .. 5 smallest
    int32_t originX = 0;   // grid column in the left-most cell
    int32_t originY = 0;   // grid row in the top-most cell

    int32_t halfCell() const { return 6 * (7 - zoomLevel); }
    bool operator==(const ViewState&) const = default;
};

struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct GridPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const GridPoint&) const = default;
};

struct RealPoint {
    double x = 0;
    double y = 0;
};

// min(size div 4 + 4, 11).
int32_t zoneRadiusFactor(int32_t size);
// Drawn radius in pixels: zoneRadiusFactor * (7 - zoomLevel).
int32_t zoneRadiusPixels(int32_t size, const ViewState& v);

PixelPoint nodeToPixel(const ViewState& v, int32_t gx, int32_t gy);
GridPoint pixelToNode(const ViewState& v, int32_t px, int32_t py);
RealPoint pointerToGrid(const ViewState& v, int32_t px, int32_t py);

// True when some zone other than `skip` (-1 for none) lies on (gx, gy) or one of its neighbours.
bool nodeBlocked(const TRmg& t, int32_t gx, int32_t gy, int skip = -1);

// The item under the pixel: zones first (strictly inside the drawn circle), then
// connections within 10 pixels of their line. Out-of-range zone indices of a
// connection make that connection unhittable rather than crash.
ItemRef hitTest(const TRmg& t, const ViewState& v, int32_t px, int32_t py);

// Ranges of the scroll bars: [min(0, smallest gridX), max(0, largest gridX)] and the same for y.
struct ScrollRanges {
    int32_t hMin = 0, hMax = 0, vMin = 0, vMax = 0;
    bool operator==(const ScrollRanges&) const = default;
};
ScrollRanges scrollRanges(const TRmg& t);

// Truncating division and remainder with the sign of the dividend (C++ semantics).
inline int32_t divT(int32_t a, int32_t b) {
    return a / b;
}
// Nearest integer, halves to the even neighbour.
int64_t roundHalfEven(double v);

// Cuts the segment to the rectangle [lo, hi] on both axes; false when nothing
// of it lies inside. Keeps drawing away from coordinates far outside the
// picture, which zones at extreme grid positions produce.
bool clipSegment(double& x0, double& y0, double& x1, double& y1, double loX, double loY, double hiX,
                 double hiY);

} // namespace zw
