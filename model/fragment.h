// The clipboard fragment: a selection of zones with the connections between
// them, carried as JSON between templates and between running editors.
//
//   {"zonewright-fragment": 1, "zones": [...], "connections": [...]}
//
// The records have the per-record form of the template JSON (template_json.h),
// kept cells of an extended table ("extended") included, whose reader checks
// every key and value; the connections' zone indices count
// within the fragment. A fragment is held as a TRmg that has only zones and
// connections.
#pragma once

#include "model/records.h"
#include "model/transform.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace zw {

inline constexpr std::string_view kFragmentMimeType = "application/x-zonewright-fragment";
inline constexpr std::string_view kFragmentMarker = "zonewright-fragment";
inline constexpr int kFragmentVersion = 1;

// The selected zones in number order and the connections with both ends
// selected, in order, re-pointed into the fragment. Indices outside the
// template are left out.
TRmg extractFragment(const TRmg& t, std::span<const int32_t> sel);

// The fragment as compact JSON text (UTF-8).
std::string fragmentToText(const TRmg& fragment);

struct FragmentError {
    std::string message; // Russian, for the window
};

// Reads clipboard text. Refuses text that is not JSON or not a fragment, a
// newer version, unknown keys, values of the wrong type or range, connections
// to zones outside the fragment, and a fragment without zones.
std::variant<TRmg, FragmentError> fragmentFromText(std::string_view text);

// The nearest place for the fragment's anchor at or around (targetX, targetY)
// where no fragment zone would land on or next to a zone of `t`. The search
// runs over Chebyshev rings of growing radius around the target; within a
// ring, offsets are taken by growing Euclidean distance and, at equal
// distance, clockwise on the canvas starting from the right (east, south,
// west, north). A target that would push the fragment off the 32-bit grid is
// first brought back within it. When the rings hold no place up to a radius
// that leaves room for any fragment (only at the grid's edges), or the search
// would take too long (thousands of zones interleaved with thousands), the
// fragment goes past all existing zones instead: to the right of them all,
// else to the left, below, above. Returns the absolute anchor node, or a
// refusal when even that leaves the grid.
std::variant<GridNode64, EditRefusal> findPasteAnchor(const TRmg& t, const TRmg& fragment,
                                                      int64_t targetX, int64_t targetY);

// Appends the fragment's zones, shifted so that its anchor lands at the
// nearest free place around (targetX, targetY), numbered after the existing
// zones, and its connections re-pointed at them. The window passes the node
// under the pointer, or, with the pointer outside the canvas, the fragment's
// own anchor: the copy then lands beside its originals (or in their place,
// after a cut). Refused when the template
// would outgrow the project file, or the fragment has no zones or a connection
// to a zone outside it.
EditResult pasteFragment(const TRmg& t, const TRmg& fragment, int64_t targetX, int64_t targetY);

// The top-left corner of the fragment's grid extent, (0, 0) when it has no zones.
GridNode64 fragmentAnchor(const TRmg& fragment);

} // namespace zw
