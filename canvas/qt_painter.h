// QPainter implementation of the canvas painter, drawing into an off-screen image.
#pragma once

#include "canvas/painter.h"
#include "canvas/render.h"
#include "model/records.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace zw {

// Draws onto an image without antialiasing, so that the picture is the same
// pixel for pixel on every run. Works with only a QGuiApplication, also on the
// "offscreen" platform.
class QtPainter : public Painter {
  public:
    // The image must outlive the painter; painting ends when the painter is destroyed.
    explicit QtPainter(QImage& image);
    ~QtPainter() override;
    QtPainter(const QtPainter&) = delete;
    QtPainter& operator=(const QtPainter&) = delete;

    void setPen(Rgb colour, int width, PenStyle style) override;
    void setBrush(Rgb colour, BrushStyle style) override;
    void setFont(std::string_view face, int pointSize, Rgb colour) override;
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polygon(const std::vector<PixelPoint>& points) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void backdrop(int width, int height, Rgb background, Rgb lineColour,
                  const std::vector<GridLine>& lines) override;
    void zoneFigure(const ZoneFigure& figure, int cx, int cy) override;
    void textOut(int x, int y, std::string_view utf8) override;
    int textWidth(std::string_view utf8) override;
    int textHeight(std::string_view utf8) override;

    // Whether what repeats is drawn once and copied (the default): the grid's
    // columns down the canvas, zone figures from images kept per look. Off,
    // everything is drawn each time; both give the same pixels.
    void setCopyRepeats(bool copy) { copyRepeats_ = copy; }

  private:
    void drawEllipseDirect(int left, int top, int right, int bottom);
    // Gives the painter back the pen set by setPen after text was drawn.
    void usePen();

    QImage& image_;
    uchar* bits_; // null when the format is not 32 bits a pixel
    qsizetype bytesPerLine_;
    double scale_; // device pixels per logical pixel
    int deviceWidth_;
    int deviceHeight_;
    double strokeOffset_ = 0; // added to the coordinates of lines and polygons
    int width_;               // logical pixels, as the drawing calls give them
    int height_;
    QPainter painter_;
    QPen pen_;
    Rgb penColour_;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    QBrush brush_;
    QColor fontColour_;
    std::string fontFace_;
    int fontSize_ = 0;
    QFont font_;
    std::optional<QFontMetrics> metrics_;
    QPen textPen_;
    bool textPenSet_ = false; // the painter holds textPen_ rather than pen_
    int fontId_ = 0;          // names the font and the image's resolution, which decide text widths
    QPoint position_;
    bool direct_ = false;
    bool copyRepeats_ = true;
};

// Drops the zone figures and texts the painters of this thread keep between
// pictures (see QtPainter::setCopyRepeats).
void forgetKeptDrawings();

// Whether a dotted ring sets the device pixel whose centre lies (dx, dy) device
// pixels from the centre of the ring, `ringRadius` logical pixels round: one
// logical pixel of length in three along the ring, counted from the left end of
// the horizontal axis. Counted in logical pixels, so the dots fall on the same
// places round a ring at every device pixel ratio.
bool dottedRingCovers(double dx, double dy, double ringRadius);

// The installed family used for a requested typeface: the face itself when it
// is installed, else the nearest installed sans-serif face.
QString resolveFontFamily(std::string_view face);

// Draws the whole canvas picture of the template for a canvas of W x H logical
// pixels into a new image of W x H times `scale` device pixels (rounded up),
// with that device pixel ratio: the geometry is the same in logical pixels and
// lines and text are drawn at the finer resolution. A null image when either
// side is not positive, the scale is not a finite number from 1/16 to 16, or
// a side of the image would exceed 32,767 pixels.
QImage renderToImage(const TRmg& t, const ViewState& view, ItemRef dragSource, int width,
                     int height, double scale = 1.0);
// The same with the selection and the feedback of a drag drawn over it.
QImage renderToImage(const TRmg& t, const ViewState& view, ItemRef dragSource, int width,
                     int height, const CanvasOverlay& overlay, double scale = 1.0);

} // namespace zw
