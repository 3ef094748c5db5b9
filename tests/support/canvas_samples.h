// Builders for the canvas tests: a view at a zoom level and origin, next to the
// zones and connections of group_samples.h.
#pragma once

#include "canvas/geometry.h"
#include "support/group_samples.h"

namespace zw::test {

inline ViewState viewAt(int zoom, int originX = 0, int originY = 0) {
    ViewState v;
    v.zoomLevel = zoom;
    v.originX = originX;
    v.originY = originY;
    return v;
}

} // namespace zw::test
