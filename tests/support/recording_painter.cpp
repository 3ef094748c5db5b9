#include "support/recording_painter.h"

namespace zw {
namespace {

// Number of UTF-8 characters (continuation bytes are not counted).
int characterCount(std::string_view utf8) {
    int n = 0;
    for (unsigned char ch : utf8)
        n += (ch & 0xC0) != 0x80;
    return n;
}

// Replays the calls, keeping the state that each drawing call depends on.
struct PaintState {
    RecordedShape pen{.penWidth = 1, .brushColour = {255, 255, 255}};
    std::string face;
    int pointSize = 0;
    Rgb fontColour;
    PixelPoint position;

    void apply(const PaintCall& c) {
        if (c.op == PaintOp::SetPen)
            pen.penColour = c.colour, pen.penWidth = c.width, pen.penStyle = c.penStyle;
        else if (c.op == PaintOp::SetBrush)
            pen.brushColour = c.colour, pen.brushStyle = c.brushStyle;
        else if (c.op == PaintOp::SetFont)
            face = c.text, pointSize = c.pointSize, fontColour = c.colour;
        else if (c.op == PaintOp::MoveTo || c.op == PaintOp::LineTo)
            position = PixelPoint{c.left, c.top};
    }
};

// What `make(state, call)` makes of every call of `op`, in order.
template <class T, class Make>
std::vector<T> replayCalls(const std::vector<PaintCall>& calls, PaintOp op, Make make) {
    std::vector<T> out;
    PaintState s;
    for (const auto& c : calls) {
        if (c.op == op)
            out.push_back(make(s, c));
        s.apply(c);
    }
    return out;
}

} // namespace

void RecordingPainter::setPen(Rgb colour, int width, PenStyle style) {
    calls_.push_back({.op = PaintOp::SetPen, .colour = colour, .width = width, .penStyle = style});
}

void RecordingPainter::setBrush(Rgb colour, BrushStyle style) {
    calls_.push_back({.op = PaintOp::SetBrush, .colour = colour, .brushStyle = style});
}

void RecordingPainter::setFont(std::string_view face, int pointSize, Rgb colour) {
    calls_.push_back({.op = PaintOp::SetFont,
                      .colour = colour,
                      .text = std::string(face),
                      .pointSize = pointSize});
    fontSize_ = pointSize;
}

void RecordingPainter::fillRect(int left, int top, int right, int bottom, Rgb colour) {
    calls_.push_back({.op = PaintOp::FillRect,
                      .colour = colour,
                      .left = left,
                      .top = top,
                      .right = right,
                      .bottom = bottom});
}

void RecordingPainter::moveTo(int x, int y) {
    calls_.push_back({.op = PaintOp::MoveTo, .left = x, .top = y});
}

void RecordingPainter::lineTo(int x, int y) {
    calls_.push_back({.op = PaintOp::LineTo, .left = x, .top = y});
}

void RecordingPainter::polygon(const std::vector<PixelPoint>& points) {
    calls_.push_back({.op = PaintOp::Polygon, .points = points});
}

void RecordingPainter::ellipse(int left, int top, int right, int bottom) {
    calls_.push_back(
        {.op = PaintOp::Ellipse, .left = left, .top = top, .right = right, .bottom = bottom});
}

void RecordingPainter::textOut(int x, int y, std::string_view utf8) {
    calls_.push_back({.op = PaintOp::TextOut, .text = std::string(utf8), .left = x, .top = y});
}

int RecordingPainter::textWidth(std::string_view utf8) {
    return fontSize_ * 3 / 5 * characterCount(utf8);
}

int RecordingPainter::textHeight(std::string_view) {
    return fontSize_ * 4 / 3;
}

void RecordingPainter::clear() {
    calls_.clear();
    fontSize_ = 0;
}

std::vector<RecordedLine> RecordingPainter::lines() const {
    return replayCalls<RecordedLine>(
        calls_, PaintOp::LineTo, [](const PaintState& s, const PaintCall& c) {
            return RecordedLine{
                s.position, {c.left, c.top}, s.pen.penColour, s.pen.penWidth, s.pen.penStyle};
        });
}

std::vector<RecordedShape> RecordingPainter::ellipses() const {
    return replayCalls<RecordedShape>(
        calls_, PaintOp::Ellipse, [](const PaintState& s, const PaintCall& c) {
            RecordedShape e = s.pen;
            e.left = c.left, e.top = c.top, e.right = c.right, e.bottom = c.bottom;
            return e;
        });
}

std::vector<RecordedShape> RecordingPainter::polygons() const {
    return replayCalls<RecordedShape>(calls_, PaintOp::Polygon,
                                      [](const PaintState& s, const PaintCall& c) {
                                          RecordedShape e = s.pen;
                                          e.points = c.points;
                                          return e;
                                      });
}

std::vector<RecordedText> RecordingPainter::texts() const {
    return replayCalls<RecordedText>(
        calls_, PaintOp::TextOut, [](const PaintState& s, const PaintCall& c) {
            return RecordedText{c.left,      c.top,        c.text,          s.face,
                                s.pointSize, s.fontColour, s.pen.brushStyle};
        });
}

} // namespace zw
