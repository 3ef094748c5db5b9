// Drawing of the whole canvas picture: background, node grid, connections and
// zones with their numbers, through the abstract Painter so that it runs
// without a window system.
#pragma once

#include "canvas/geometry.h"
#include "canvas/painter.h"
#include "model/records.h"

#include <array>

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

// Paints the whole picture of a width x height canvas. The item named by
// `dragSource` is shown as being dragged: a connection is left out, a zone gets
// a plain dotted outline.
void redraw(Painter& p, const TRmg& t, const ViewState& v, ItemRef dragSource, int width,
            int height);

} // namespace zw
