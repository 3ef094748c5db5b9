// A painter that draws nothing and records every call with its arguments, so
// that tests can see exactly what the rendering asked for. Text metrics are a
// fixed function of the font size and the number of characters.
#pragma once

#include "canvas/painter.h"

#include <string>
#include <vector>

namespace zw {

enum class PaintOp {
    SetPen,
    SetBrush,
    SetFont,
    FillRect,
    MoveTo,
    LineTo,
    Polygon,
    Ellipse,
    TextOut
};

struct PaintCall {
    PaintOp op = PaintOp::MoveTo;
    Rgb colour{};  // pen, brush, font or fill colour
    int width = 0; // pen width
    PenStyle penStyle = PenStyle::Solid;
    BrushStyle brushStyle = BrushStyle::Solid;
    std::string text{};                           // font face or text
    int pointSize = 0;                            // font size
    int left = 0, top = 0, right = 0, bottom = 0; // rectangles; x, y in left, top
    std::vector<PixelPoint> points{};             // polygon
};

// A line segment with the pen it was drawn with.
struct RecordedLine {
    PixelPoint from, to;
    Rgb colour;
    int width = 0;
    PenStyle style = PenStyle::Solid;
};

// A filled shape (ellipse or polygon) with the pen and brush in force.
struct RecordedShape {
    int left = 0, top = 0, right = 0, bottom = 0; // ellipse bounds
    std::vector<PixelPoint> points{};             // polygon corners
    Rgb penColour{};
    int penWidth = 0;
    PenStyle penStyle = PenStyle::Solid;
    Rgb brushColour{};
    BrushStyle brushStyle = BrushStyle::Solid;
};

struct RecordedText {
    int x = 0, y = 0;
    std::string text;
    std::string face;
    int pointSize = 0;
    Rgb colour;
    BrushStyle brushStyle = BrushStyle::Solid;
};

class RecordingPainter : public Painter {
  public:
    void setPen(Rgb colour, int width, PenStyle style) override;
    void setBrush(Rgb colour, BrushStyle style) override;
    void setFont(std::string_view face, int pointSize, Rgb colour) override;
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polygon(const std::vector<PixelPoint>& points) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void textOut(int x, int y, std::string_view utf8) override;
    // (pointSize * 3 / 5) per character and pointSize * 4 / 3, so that tests can
    // predict where centred text lands.
    int textWidth(std::string_view utf8) override;
    int textHeight(std::string_view utf8) override;

    const std::vector<PaintCall>& calls() const { return calls_; }
    void clear();

    // The calls interpreted with the pen, brush and font in force at each one.
    std::vector<RecordedLine> lines() const;
    std::vector<RecordedShape> ellipses() const;
    std::vector<RecordedShape> polygons() const;
    std::vector<RecordedText> texts() const;

  private:
    std::vector<PaintCall> calls_;
    int fontSize_ = 0;
};

} // namespace zw
