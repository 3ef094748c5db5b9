#include "support/recording_painter.h"

namespace zw {
namespace {

// Number of UTF-8 characters (continuation bytes are not counted).
int characterCount(std::string_view utf8) {
    int n = 0;
    for (unsigned char ch : utf8)
        if ((ch & 0xC0) != 0x80)
            ++n;
    return n;
}

// Replays the calls, keeping the state that each drawing call depends on.
struct State {
    Rgb penColour;
    int penWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    Rgb brushColour{255, 255, 255};
    BrushStyle brushStyle = BrushStyle::Solid;
    std::string face;
    int pointSize = 0;
    Rgb fontColour;
    PixelPoint position;

    void apply(const PaintCall& c) {
        switch (c.op) {
        case PaintOp::SetPen:
            penColour = c.colour;
            penWidth = c.width;
            penStyle = c.penStyle;
            break;
        case PaintOp::SetBrush:
            brushColour = c.colour;
            brushStyle = c.brushStyle;
            break;
        case PaintOp::SetFont:
            face = c.text;
            pointSize = c.pointSize;
            fontColour = c.colour;
            break;
        case PaintOp::MoveTo:
        case PaintOp::LineTo:
            position = PixelPoint{c.left, c.top};
            break;
        default:
            break;
        }
    }

    RecordedShape shape() const {
        RecordedShape s;
        s.penColour = penColour;
        s.penWidth = penWidth;
        s.penStyle = penStyle;
        s.brushColour = brushColour;
        s.brushStyle = brushStyle;
        return s;
    }
};

} // namespace

void RecordingPainter::setPen(Rgb colour, int width, PenStyle style) {
    PaintCall c;
    c.op = PaintOp::SetPen;
    c.colour = colour;
    c.width = width;
    c.penStyle = style;
    calls_.push_back(std::move(c));
}

void RecordingPainter::setBrush(Rgb colour, BrushStyle style) {
    PaintCall c;
    c.op = PaintOp::SetBrush;
    c.colour = colour;
    c.brushStyle = style;
    calls_.push_back(std::move(c));
}

void RecordingPainter::setFont(std::string_view face, int pointSize, Rgb colour) {
    PaintCall c;
    c.op = PaintOp::SetFont;
    c.text = std::string(face);
    c.pointSize = pointSize;
    c.colour = colour;
    calls_.push_back(std::move(c));
    fontSize_ = pointSize;
}

void RecordingPainter::fillRect(int left, int top, int right, int bottom, Rgb colour) {
    PaintCall c;
    c.op = PaintOp::FillRect;
    c.left = left;
    c.top = top;
    c.right = right;
    c.bottom = bottom;
    c.colour = colour;
    calls_.push_back(std::move(c));
}

void RecordingPainter::moveTo(int x, int y) {
    PaintCall c;
    c.op = PaintOp::MoveTo;
    c.left = x;
    c.top = y;
    calls_.push_back(std::move(c));
}

void RecordingPainter::lineTo(int x, int y) {
    PaintCall c;
    c.op = PaintOp::LineTo;
    c.left = x;
    c.top = y;
    calls_.push_back(std::move(c));
}

void RecordingPainter::polygon(const std::vector<PixelPoint>& points) {
    PaintCall c;
    c.op = PaintOp::Polygon;
    c.points = points;
    calls_.push_back(std::move(c));
}

void RecordingPainter::ellipse(int left, int top, int right, int bottom) {
    PaintCall c;
    c.op = PaintOp::Ellipse;
    c.left = left;
    c.top = top;
    c.right = right;
    c.bottom = bottom;
    calls_.push_back(std::move(c));
}

void RecordingPainter::textOut(int x, int y, std::string_view utf8) {
    PaintCall c;
    c.op = PaintOp::TextOut;
    c.left = x;
    c.top = y;
    c.text = std::string(utf8);
    calls_.push_back(std::move(c));
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
    std::vector<RecordedLine> out;
    State s;
    for (const auto& c : calls_) {
        if (c.op == PaintOp::LineTo)
            out.push_back(RecordedLine{s.position, PixelPoint{c.left, c.top}, s.penColour,
                                       s.penWidth, s.penStyle});
        s.apply(c);
    }
    return out;
}

std::vector<RecordedShape> RecordingPainter::ellipses() const {
    std::vector<RecordedShape> out;
    State s;
    for (const auto& c : calls_) {
        if (c.op == PaintOp::Ellipse) {
            RecordedShape e = s.shape();
            e.left = c.left;
            e.top = c.top;
            e.right = c.right;
            e.bottom = c.bottom;
            out.push_back(std::move(e));
        }
        s.apply(c);
    }
    return out;
}

std::vector<RecordedShape> RecordingPainter::polygons() const {
    std::vector<RecordedShape> out;
    State s;
    for (const auto& c : calls_) {
        if (c.op == PaintOp::Polygon) {
            RecordedShape e = s.shape();
            e.points = c.points;
            out.push_back(std::move(e));
        }
        s.apply(c);
    }
    return out;
}

std::vector<RecordedText> RecordingPainter::texts() const {
    std::vector<RecordedText> out;
    State s;
    for (const auto& c : calls_) {
        if (c.op == PaintOp::TextOut)
            out.push_back(RecordedText{c.left, c.top, c.text, s.face, s.pointSize, s.fontColour,
                                       s.brushStyle});
        s.apply(c);
    }
    return out;
}

} // namespace zw
