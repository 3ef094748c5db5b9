// Views that show given zones: zoom to fit the whole template, and centre the
// view on one zone or on several.
#pragma once

#include "canvas/geometry.h"
#include "model/records.h"

#include <optional>
#include <vector>

namespace zw {

// The view at which the drawn circle of every zone lies inside a canvas of
// `width` x `height` pixels, at the closest zoom (the smallest zoomLevel, the
// biggest picture) that allows it. The origin then leaves equal room on both
// sides of the zones as far as whole nodes allow (a half node of difference
// goes to the right and the bottom). When nothing fits even at the smallest
// zoom, the median node of the zones (the median column and the median row)
// is centred at that zoom, so that the view shows zones rather than the empty
// middle of zones far apart. With no zones: the start view (zoom 2, origin 0, 0).
ViewState fitView(const TRmg& t, int32_t width, int32_t height);

// The whole template in a box of `width` x `height` pixels however large it
// is (a preview): the view of a canvas `shrink` times the box's size (width x
// height pixels of it) on which fitView shows every zone whole. Drawn for that
// canvas and shrunk by `shrink` into the box, the picture shows them all.
// `shrink` is 1 when the box itself shows every zone at some zoom.
struct WholePicture {
    ViewState view;
    int32_t width = 0;
    int32_t height = 0;
    double shrink = 1;
};
WholePicture fitWhole(const TRmg& t, int32_t width, int32_t height);

// The view, at `current`'s zoom, whose origin brings the node of zone index k
// nearest to the middle of the canvas; nullopt when there is no zone k.
std::optional<ViewState> centreOnZone(const TRmg& t, const ViewState& current, int32_t width,
                                      int32_t height, int k);

// The view, at `current`'s zoom, whose origin brings the middle of the extent
// of the zones with indices `ks` nearest to the middle of the canvas (for one
// zone the same view as centreOnZone). Indices that name no zone are skipped;
// nullopt when none is left.
std::optional<ViewState> centreOnZones(const TRmg& t, const ViewState& current, int32_t width,
                                       int32_t height, const std::vector<int>& ks);

} // namespace zw
