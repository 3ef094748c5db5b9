// The drawing surface the canvas is rendered onto, so that rendering runs
// without a window system: a QPainter implementation draws into an image, and a
// recording implementation lets tests see every call.
#pragma once

#include "canvas/geometry.h"

#include <compare>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zw {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    auto operator<=>(const Rgb&) const = default;
};

enum class PenStyle { Solid, Dotted };
enum class BrushStyle { Solid, Clear };

// How a zone's circle looks, apart from where it is and its number: the fill,
// the outline, the town spikes, the inner ring and the selection ring. Zones
// of one look at one zoom level draw the same pixels about their centres, so
// a painter may keep the figure and copy it (QtPainter does).
struct ZoneFigure {
    enum class InnerRing { None, Solid, Dotted };
    int radius = 0;
    Rgb fill;
    // A dragged zone has a dotted black outline and neither spikes nor rings.
    bool dragged = false;
    Rgb outline;
    int outlineWidth = 1;
    bool towns = false; // spikes at the lower corners
    bool forts = false; // spikes at the upper corners
    bool selected = false;
    InnerRing inner = InnerRing::None;
    auto operator<=>(const ZoneFigure&) const = default;
};

// A line of the node grid across the whole canvas: a vertical one at x = at
// or a horizontal one at y = at, `width` pixels wide.
struct GridLine {
    bool vertical = true;
    int at = 0;
    int width = 1;
};

class Painter {
  public:
    virtual ~Painter() = default;
    virtual void setPen(Rgb colour, int width, PenStyle style) = 0;
    virtual void setBrush(Rgb colour, BrushStyle style) = 0;
    // Typeface, size in points and text colour.
    virtual void setFont(std::string_view face, int pointSize, Rgb colour) = 0;
    // Rectangles and ellipses: left, top, right, bottom; right and bottom exclusive.
    virtual void fillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Filled with the brush and outlined with the pen.
    virtual void polygon(const std::vector<PixelPoint>& points) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    // The canvas's ground: the width x height canvas filled with `background`,
    // then the grid's lines in their order, solid in `lineColour`.
    virtual void backdrop(int width, int height, Rgb background, Rgb lineColour,
                          const std::vector<GridLine>& lines);
    // A zone's figure centred on (cx, cy); by default drawn with the calls
    // above (drawZoneFigure). Leaves the pen and brush unspecified.
    virtual void zoneFigure(const ZoneFigure& figure, int cx, int cy);
    virtual void textOut(int x, int y, std::string_view utf8) = 0;
    virtual int textWidth(std::string_view utf8) = 0;
    virtual int textHeight(std::string_view utf8) = 0;
};

} // namespace zw
