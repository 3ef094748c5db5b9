// Drawing of the whole canvas picture: background, node grid, connections and
// zones with their numbers, through the abstract Painter so that it runs
// without a window system.
#pragma once

#include "canvas/geometry.h"
#include "canvas/painter.h"
#include "model/records.h"

#include <array>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace zw {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kGridGrey{128, 128, 128};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kYellow{255, 255, 0};

// Colours of owners 0 (nobody) to 8.
inline constexpr std::array<Rgb, 9> kPlayerColours = {{
    {0, 0, 0},
    {255, 0, 0},
    {0, 0, 255},
    {128, 64, 0},
    {0, 128, 0},
    {255, 128, 0},
    {128, 0, 128},
    {0, 255, 255},
    {255, 0, 128},
}};

inline constexpr std::string_view kCanvasFace = "Verdana";

// Colour of an owner; black for any number outside 0..8 (values read from files).
Rgb playerColour(int32_t owner);
// Outline colour from the zone's existence condition: 0 black, 1 the owner's
// colour, 2 navy; black for any other mode.
Rgb existColour(const ZoneRecord& z);
// Fill colour: the owner's colour, white when the zone has no owner.
Rgb zoneBrushColour(const ZoneRecord& z);
// Pen width of a connection's passages (1 to 16 pixels).
int connectionPenWidth(const ConnectionRecord& c);
// Passages drawn for a connection: its passage count kept within 1..8.
int drawnPassageCount(const ConnectionRecord& c);
// Point size of the zone numbers: 27 - 4 * zoomLevel.
int zoneNumberPointSize(const ViewState& v);

// Draws a zone's figure centred on (cx, cy): the town spikes under the circle,
// the circle filled and outlined, the selection ring, the inner ring.
void drawZoneFigure(Painter& p, const ZoneFigure& figure, int cx, int cy);
// How far from the centre the figure's pixels may lie, in logical pixels, at
// any device pixel ratio.
int zoneFigureReach(const ZoneFigure& figure);

// Paints the whole picture of a width x height canvas. The item named by
// `dragSource` is shown as being dragged: a connection is left out, a zone gets
// a plain dotted outline.
void redraw(Painter& p, const TRmg& t, const ViewState& v, ItemRef dragSource, int width,
            int height);

// ---- What the editor shows over the template ----

// Colour of the selection's highlight and of the rubber band: a green no
// owner uses.
inline constexpr Rgb kSelectionColour{0, 230, 0};
// Colour of a ghost that may not be dropped where it is.
inline constexpr Rgb kRefusedColour{230, 0, 0};

// A zone shown where a drag would put it: zone `index` drawn at `node`.
struct ZoneGhost {
    int32_t index = 0;
    GridPoint node;
};

// The selection and the feedback of a drag in progress. The spans must stay
// valid for the call they are passed to.
struct CanvasOverlay {
    // Sorted indices; out-of-range ones are ignored.
    std::span<const int32_t> selectedZones;
    std::span<const int32_t> selectedConnections;
    // A line that follows the pointer (a connection being drawn), canvas pixels.
    std::optional<std::pair<PixelPoint, PixelPoint>> pointerLine;
    // Zones being moved or copied, at their target nodes; red when refused there.
    std::vector<ZoneGhost> ghosts;
    bool ghostsRefused = false;
    // A rubber band between two corners, canvas pixels.
    std::optional<std::pair<PixelPoint, PixelPoint>> band;
};

// The picture with the overlay: selected connections get a halo under their
// lines and selected zones a ring around their circles; the ghosts, the line
// and the band are drawn over everything (drawTransientMarks).
void redraw(Painter& p, const TRmg& t, const ViewState& v, ItemRef dragSource, int width,
            int height, const CanvasOverlay& overlay);

// The marks of a drag in progress alone: the ghosts, the pointer line and the
// band of the overlay, as redraw puts them over the picture. They change with
// every pointer move while the picture stays, so the canvas keeps the picture
// and puts these over a copy of it.
void drawTransientMarks(Painter& p, const TRmg& t, const ViewState& v, const CanvasOverlay& o);

// A rectangle of canvas pixels; right and bottom exclusive.
struct PixelRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// Rectangles within the width x height canvas that hold every pixel
// drawTransientMarks sets, at any device pixel ratio: a box round each ghost,
// a chain of small boxes along the line and one along each side of the band,
// so that a long diagonal line or a large band covers little of the canvas.
std::vector<PixelRect> transientMarksArea(const TRmg& t, const ViewState& v, const CanvasOverlay& o,
                                          int width, int height);

} // namespace zw
