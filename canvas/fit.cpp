#include "canvas/fit.h"

#include "model/transform.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace zw {
namespace {

constexpr int64_t kGridMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kGridMax = std::numeric_limits<int32_t>::max();

int32_t gridClamp(int64_t v) {
    return static_cast<int32_t>(std::clamp(v, kGridMin, kGridMax));
}

int64_t ceilDiv(int64_t a, int64_t b) {
    return -floorDiv(-a, b);
}

// The pixels the zones' circles cover on one axis with the origin at 0:
// [low, high], and the origin that centres them on a canvas of `size` pixels,
// kept within the origins that show them whole when there are any.
struct AxisFit {
    bool fits = false;
    int64_t origin = 0;
};

AxisFit fitAxis(int64_t low, int64_t high, int64_t size, int64_t halfCell) {
    const int64_t pitch = 2 * halfCell;
    // Shifting the origin by one node moves every pixel by `pitch`; the
    // circles lie inside when low - pitch * o >= 0 and high - pitch * o <= size.
    const int64_t most = floorDiv(low, pitch);
    const int64_t least = ceilDiv(high - size, pitch);
    // Equal room on both sides at (low + high - size) / (2 * pitch), rounded
    // half up.
    const int64_t centred = floorDiv(low + high - size + pitch, 2 * pitch);
    if (least > most)
        return AxisFit{false, centred};
    return AxisFit{true, std::clamp(centred, least, most)};
}

} // namespace

namespace {

// The closest zoom's view that shows every zone whole, or the smallest zoom's
// centred on the zones' extent with false when there is none.
std::pair<ViewState, bool> closestFit(const TRmg& t, int32_t width, int32_t height) {
    ViewState view;
    for (int32_t zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        view.zoomLevel = zoom;
        const int64_t h = view.halfCell();
        int64_t left = std::numeric_limits<int64_t>::max();
        int64_t right = std::numeric_limits<int64_t>::min();
        int64_t top = left;
        int64_t bottom = right;
        for (const ZoneRecord& z : t.zones) {
            const int64_t r = zoneRadiusPixels(z.size, view);
            const int64_t cx = h * (2 * int64_t{z.gridX} + 1);
            const int64_t cy = h * (2 * int64_t{z.gridY} + 1);
            left = std::min(left, cx - r);
            right = std::max(right, cx + r);
            top = std::min(top, cy - r);
            bottom = std::max(bottom, cy + r);
        }
        const AxisFit x = fitAxis(left, right, width, h);
        const AxisFit y = fitAxis(top, bottom, height, h);
        view.originX = gridClamp(x.origin);
        view.originY = gridClamp(y.origin);
        if (x.fits && y.fits)
            return {view, true};
    }
    return {view, false};
}

} // namespace

ViewState fitView(const TRmg& t, int32_t width, int32_t height) {
    if (t.zones.empty())
        return ViewState{};
    auto [view, fits] = closestFit(t, width, height);
    if (fits)
        return view;
    // Nothing fits even at the smallest zoom (zones far apart, maybe at the
    // ends of the grid): the middle of the extent may hold no zone at all, so
    // the view centres on the median node, where most zones are.
    std::vector<int64_t> xs, ys;
    for (const ZoneRecord& z : t.zones) {
        xs.push_back(z.gridX);
        ys.push_back(z.gridY);
    }
    const size_t mid = xs.size() / 2;
    std::nth_element(xs.begin(), xs.begin() + static_cast<std::ptrdiff_t>(mid), xs.end());
    std::nth_element(ys.begin(), ys.begin() + static_cast<std::ptrdiff_t>(mid), ys.end());
    const int64_t quarter = 4 * int64_t{view.halfCell()};
    view.originX = gridClamp(xs[mid] - floorDiv(width, quarter));
    view.originY = gridClamp(ys[mid] - floorDiv(height, quarter));
    return view;
}

WholePicture fitWhole(const TRmg& t, int32_t width, int32_t height) {
    WholePicture p{fitView(t, width, height), width, height, 1};
    if (t.zones.empty() || width <= 0 || height <= 0 || closestFit(t, width, height).second)
        return p;
    // The zones' extent in pixels at the smallest zoom gives the first guess;
    // a larger canvas is tried until the whole fits (whole nodes of the origin
    // may take a little more).
    ViewState smallest;
    smallest.zoomLevel = kMaxZoom;
    int64_t left = std::numeric_limits<int64_t>::max(), right = std::numeric_limits<int64_t>::min();
    int64_t top = left, bottom = right;
    const int64_t h = smallest.halfCell();
    for (const ZoneRecord& z : t.zones) {
        const int64_t r = zoneRadiusPixels(z.size, smallest);
        left = std::min(left, h * 2 * int64_t{z.gridX} - r);
        right = std::max(right, h * (2 * int64_t{z.gridX} + 2) + r);
        top = std::min(top, h * 2 * int64_t{z.gridY} - r);
        bottom = std::max(bottom, h * (2 * int64_t{z.gridY} + 2) + r);
    }
    double shrink = std::max({1.0, static_cast<double>(right - left) / width,
                              static_cast<double>(bottom - top) / height});
    // Beyond a canvas of 2^30 pixels a side the zones lie too far apart to
    // show together: the fallback of fitView stays.
    constexpr double kLargest = 1 << 30;
    for (; shrink * std::max(width, height) < kLargest; shrink *= 1.05) {
        const auto w = static_cast<int32_t>(std::ceil(width * shrink));
        const auto hgt = static_cast<int32_t>(std::ceil(height * shrink));
        const auto [view, fits] = closestFit(t, w, hgt);
        if (fits)
            return WholePicture{view, w, hgt, shrink};
    }
    return p;
}

std::optional<ViewState> centreOnZone(const TRmg& t, const ViewState& current, int32_t width,
                                      int32_t height, int k) {
    if (k < 0 || static_cast<size_t>(k) >= t.zones.size())
        return std::nullopt;
    const ZoneRecord& z = t.zones[static_cast<size_t>(k)];
    // The node i columns right of the origin is centred at halfCell * (2i + 1);
    // the nearest to size / 2 is i = round((size - 2 halfCell) / (4 halfCell)),
    // that is floor(size / (4 halfCell)).
    const int64_t quarter = 4 * int64_t{current.halfCell()};
    ViewState v = current;
    v.originX = gridClamp(z.gridX - floorDiv(width, quarter));
    v.originY = gridClamp(z.gridY - floorDiv(height, quarter));
    return v;
}

std::optional<ViewState> centreOnZones(const TRmg& t, const ViewState& current, int32_t width,
                                       int32_t height, const std::vector<int>& ks) {
    bool any = false;
    int64_t left = 0, right = 0, top = 0, bottom = 0;
    for (const int k : ks) {
        if (k < 0 || static_cast<size_t>(k) >= t.zones.size())
            continue;
        const ZoneRecord& z = t.zones[static_cast<size_t>(k)];
        left = any ? std::min<int64_t>(left, z.gridX) : z.gridX;
        right = any ? std::max<int64_t>(right, z.gridX) : z.gridX;
        top = any ? std::min<int64_t>(top, z.gridY) : z.gridY;
        bottom = any ? std::max<int64_t>(bottom, z.gridY) : z.gridY;
        any = true;
    }
    if (!any)
        return std::nullopt;
    // The node i right of the origin is centred at halfCell * (2i + 1); the
    // middle of the extent, (low + high) / 2, comes nearest to size / 2 at
    // o = ceil((2 halfCell (low + high + 2) - size) / (4 halfCell)) - 1, a tie
    // going to the smaller origin as in centreOnZone.
    const int64_t h = current.halfCell();
    const auto origin = [h](int64_t low, int64_t high, int64_t size) {
        return gridClamp(ceilDiv(2 * h * (low + high + 2) - size, 4 * h) - 1);
    };
    ViewState v = current;
    v.originX = origin(left, right, width);
    v.originY = origin(top, bottom, height);
    return v;
}

} // namespace zw
