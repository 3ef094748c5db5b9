#include "canvas/qt_painter.h"

#include "canvas/render.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QHash>
#include <QPolygon>
#include <QPolygonF>
#include <QTextLayout>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace zw {
namespace {

QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Ellipses are written straight into 32-bit images (see QtPainter::ellipse).
// Taking the pixels before the painter begins makes sure the image owns them
// alone, so the painter and the direct writes share them.
uchar* writableBits(QImage& image) {
    const QImage::Format f = image.format();
    if (image.isNull() || (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 &&
                           f != QImage::Format_ARGB32_Premultiplied))
        return nullptr;
    return image.bits();
}

// What the painters of a thread keep between pictures: zone figures by look
// and ratio (QtPainter::zoneFigure), laid-out texts and text widths by font,
// ratio and text (textOut, textWidth). Per thread, as pictures may be drawn
// on several at once. Fonts are named by small numbers, quicker to compare
// than their keys; the numbers stay as long as the thread.
struct FigureKey {
    ZoneFigure figure;
    double scale;
    auto operator<=>(const FigureKey&) const = default;
};
struct LaidOutText {
    std::unique_ptr<QTextLayout> layout;
    double ascent = 0; // of its line: the baseline's depth below the layout's top
};
struct Kept {
    std::map<QString, int> fontIds;
    std::map<FigureKey, QImage> figures;
    qsizetype figureBytes = 0;
    std::map<std::tuple<int, double, std::string>, LaidOutText> texts;
    std::map<std::pair<int, std::string>, int> widths;
};
thread_local Kept keptHere;

// The drawings kept by the calling thread. The main thread's go with the
// application, before the fonts their layouts use.
Kept& keptDrawings() {
    static const bool dropWithApplication = [] {
        qAddPostRoutine(forgetKeptDrawings);
        return true;
    }();
    (void)dropWithApplication;
    return keptHere;
}

// Each kept kind is dropped as a whole when it grows past its limit; a zoom
// level seldom has more than a few dozen looks of zones.
constexpr qsizetype kMaxFigureBytes = 32 << 20;
constexpr size_t kMaxTexts = 4096;

} // namespace

void forgetKeptDrawings() {
    keptHere.figures.clear();
    keptHere.figureBytes = 0;
    keptHere.texts.clear();
    keptHere.widths.clear();
}

bool dottedRingCovers(double dx, double dy, double ringRadius) {
    const double lengthAlongRing = (std::atan2(dy, dx) + M_PI) * ringRadius;
    return static_cast<int64_t>(std::floor(lengthAlongRing)) % 3 == 0;
}

QString resolveFontFamily(std::string_view face) {
    static QHash<QString, QString> cache;
    const QString wanted = toQString(face);
    const auto it = cache.constFind(wanted);
    if (it != cache.constEnd())
        return *it;
    QString family;
    if (QFontDatabase::hasFamily(wanted)) {
        family = wanted;
    } else {
        // Sans-serif faces close to the wanted one in build and width, in order
        // of preference, then whatever the system offers as its general face.
        for (const char* candidate : {"DejaVu Sans", "Liberation Sans", "Noto Sans", "Arial",
                                      "Nimbus Sans", "FreeSans", "Helvetica"}) {
            if (QFontDatabase::hasFamily(QString::fromLatin1(candidate))) {
                family = QString::fromLatin1(candidate);
                break;
            }
        }
        if (family.isEmpty())
            family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
    cache.insert(wanted, family);
    return family;
}

QtPainter::QtPainter(QImage& image)
    : image_(image), bits_(writableBits(image)), bytesPerLine_(image.bytesPerLine()),
      scale_(image.devicePixelRatio()), deviceWidth_(image.width()), deviceHeight_(image.height()),
      width_(static_cast<int>(std::ceil(image.deviceIndependentSize().width()))),
      height_(static_cast<int>(std::ceil(image.deviceIndependentSize().height()))),
      painter_(&image) {
    direct_ = bits_ != nullptr;
    // Without antialiasing, Qt draws a line at integer coordinates on the pixels
    // to the right of and below it, but at a device pixel ratio it centres the
    // line on those coordinates, half a canvas pixel up and to the left. Shapes
    // are moved back by that half pixel, so that every line covers the same
    // canvas pixels at every ratio.
    strokeOffset_ = scale_ == 1 ? 0.0 : 0.5;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    pen_ = QPen(QColor(0, 0, 0), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    brush_ = QBrush(QColor(255, 255, 255), Qt::SolidPattern);
    fontColour_ = QColor(0, 0, 0);
    painter_.setPen(pen_);
    painter_.setBrush(brush_);
}

QtPainter::~QtPainter() {
    painter_.end();
}

void QtPainter::setPen(Rgb colour, int width, PenStyle style) {
    width = std::max(width, 1);
    if (colour == penColour_ && width == penWidth_ && style == penStyle_)
        return;
    penColour_ = colour;
    penWidth_ = width;
    penStyle_ = style;
    // Square caps and mitred joins: the stroker handles them without curves,
    // which makes wide lines several times cheaper than round ends, and the ends
    // of connections lie under their zones anyway.
    pen_ = QPen(toQColor(colour), width, style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine,
                Qt::SquareCap, Qt::MiterJoin);
    painter_.setPen(pen_);
    textPenSet_ = false;
}

void QtPainter::usePen() {
    if (textPenSet_) {
        painter_.setPen(pen_);
        textPenSet_ = false;
    }
}

void QtPainter::setBrush(Rgb colour, BrushStyle style) {
    brush_ = style == BrushStyle::Solid ? QBrush(toQColor(colour), Qt::SolidPattern)
                                        : QBrush(Qt::NoBrush);
    painter_.setBrush(brush_);
}

void QtPainter::setFont(std::string_view face, int pointSize, Rgb colour) {
    fontColour_ = toQColor(colour);
    if (metrics_ && face == fontFace_ && pointSize == fontSize_)
        return;
    fontFace_ = std::string(face);
    fontSize_ = pointSize;
    font_ = QFont(resolveFontFamily(face));
    font_.setPointSize(std::max(pointSize, 1));
    font_.setStyleStrategy(QFont::NoAntialias);
    painter_.setFont(font_);
    // Metrics for the image's own resolution, which is what the text is drawn at.
    metrics_.emplace(font_, &image_);
    const QString fontKey = font_.key() + QLatin1Char('/') + QString::number(image_.logicalDpiX()) +
                            QLatin1Char('/') + QString::number(image_.logicalDpiY());
    Kept& kept = keptDrawings();
    fontId_ =
        kept.fontIds.try_emplace(fontKey, static_cast<int>(kept.fontIds.size())).first->second;
}

void QtPainter::fillRect(int left, int top, int right, int bottom, Rgb colour) {
    if (right <= left || bottom <= top)
        return;
    painter_.fillRect(QRect(left, top, right - left, bottom - top), toQColor(colour));
}

void QtPainter::moveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void QtPainter::lineTo(int x, int y) {
    double x0 = position_.x();
    double y0 = position_.y();
    double x1 = x;
    double y1 = y;
    position_ = QPoint(x, y);
    // A margin wider than any pen keeps the clipped ends and their caps out of sight.
    const double margin = 64;
    if (!clipSegment(x0, y0, x1, y1, -margin, -margin, width_ + margin, height_ + margin))
        return;
    usePen();
    painter_.drawLine(QPointF(x0 + strokeOffset_, y0 + strokeOffset_),
                      QPointF(x1 + strokeOffset_, y1 + strokeOffset_));
}

void QtPainter::polygon(const std::vector<PixelPoint>& points) {
    usePen();
    if (strokeOffset_ == 0) {
        // Integer corners take the raster engine's quicker way.
        QPolygon poly;
        poly.reserve(static_cast<qsizetype>(points.size()));
        for (const auto& p : points)
            poly << QPoint(p.x, p.y);
        painter_.drawPolygon(poly);
        return;
    }
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& p : points)
        poly << QPointF(p.x + strokeOffset_, p.y + strokeOffset_);
    painter_.drawPolygon(poly);
}

void QtPainter::ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    if (direct_) {
        drawEllipseDirect(left, top, right, bottom);
        return;
    }
    // The figure covers the pixels left .. right - 1 and top .. bottom - 1: the
    // outline runs through the centres of the outermost pixels, so that a wide
    // pen is centred on the edge.
    usePen();
    painter_.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

// The circles of the zones follow a pixel rule of their own, which the raster
// engine's ellipse doesn't keep: a device pixel belongs to an ellipse when its
// centre lies inside it. The brush fills the figure; the pen is a ring centred
// on its edge, `width` logical pixels thick; a dotted pen keeps the pixels of
// the ring that dottedRingCovers picks. At a device pixel ratio above 1 the
// same figure is drawn with finer pixels.
void QtPainter::drawEllipseDirect(int left, int top, int right, int bottom) {
    const double s = scale_;
    const double cx = (static_cast<double>(left) + right) / 2 * s;
    const double cy = (static_cast<double>(top) + bottom) / 2 * s;
    const double a = (static_cast<double>(right) - left) / 2;
    const double b = (static_cast<double>(bottom) - top) / 2;
    const double grow = (pen_.width() - 1) / 2.0 * s;
    const double outerA = a * s + grow, outerB = b * s + grow;
    const double innerA = a * s - s - grow, innerB = b * s - s - grow;
    const bool dotted = pen_.style() == Qt::DotLine;
    const bool fill = brush_.style() != Qt::NoBrush;
    const uint32_t penPixel = pen_.color().rgb();
    const uint32_t brushPixel = brush_.color().rgb();
    // In logical pixels, as the angle is turned into a length along the ring.
    const double ringRadius = (a + b) / 2 - 0.5;
    const int width = deviceWidth_;

    // The columns whose centres lie within `half` of the centre; kept within one
    // pixel of the picture, so that far-away figures stay in the int range.
    struct Columns {
        int first, last;
    };
    auto columns = [cx, width](double half) {
        return Columns{
            static_cast<int>(std::ceil(std::clamp(cx - half - 0.5, -1.0, 1.0 * width))),
            static_cast<int>(std::floor(std::clamp(cx + half - 0.5, -1.0, 1.0 * width)))};
    };
    const int rowFirst =
        static_cast<int>(std::clamp(std::floor(cy - outerB), 0.0, 1.0 * deviceHeight_));
    const int rowLast =
        static_cast<int>(std::clamp(std::ceil(cy + outerB), -1.0, deviceHeight_ - 1.0));
    for (int y = rowFirst; y <= rowLast; ++y) {
        const double py = y + 0.5 - cy;
        if (std::fabs(py) > outerB)
            continue;
        const Columns outer =
            columns(outerA * std::sqrt(std::max(0.0, 1 - (py / outerB) * (py / outerB))));
        Columns inner{outer.last + 1, outer.last}; // none
        if (innerA > 0 && innerB > 0 && std::fabs(py) <= innerB)
            inner = columns(innerA * std::sqrt(std::max(0.0, 1 - (py / innerB) * (py / innerB))));
        auto* row = reinterpret_cast<uint32_t*>(bits_ + static_cast<ptrdiff_t>(y) * bytesPerLine_);
        auto fillColumns = [&](int from, int to, uint32_t pixel) {
            from = std::max(from, 0);
            to = std::min(to, width - 1);
            if (from <= to)
                std::fill(row + from, row + to + 1, pixel);
        };
        auto ring = [&](int from, int to) {
            if (!dotted) {
                fillColumns(from, to, penPixel);
                return;
            }
            for (int x = std::max(from, 0); x <= std::min(to, width - 1); ++x)
                if (dottedRingCovers(x + 0.5 - cx, py, ringRadius))
                    row[x] = penPixel;
        };
        if (inner.first > inner.last) {
            ring(outer.first, outer.last);
            continue;
        }
        if (fill)
            fillColumns(inner.first, inner.last, brushPixel);
        ring(outer.first, inner.first - 1);
        ring(inner.last + 1, outer.last);
    }
}

// The vertical lines of the grid run the whole height of the canvas, so every
// row of the ground with them is the same; drawing them down every row cost
// the raster engine a span a row a line. They are drawn into the top row
// alone and that row is tiled down the canvas; the horizontal lines follow.
// At ratios 1 and 2 the tiling copies device pixels one for one.
//
// zonewright-bench, full redraw of 500 zones at zoom 5 and ratio 2, CPU
// medians of 5 on two loaded EPYC cores: 15.2 ms with the grid drawn line by
// line, 13.0 ms tiled (zone figures copied, numbers drawn each time in both).
void QtPainter::backdrop(int width, int height, Rgb background, Rgb lineColour,
                         const std::vector<GridLine>& lines) {
    if (!copyRepeats_ || !direct_ || (scale_ != 1 && scale_ != 2) || width != width_ ||
        height != height_ || deviceHeight_ < 2) {
        Painter::backdrop(width, height, background, lineColour, lines);
        return;
    }
    painter_.setClipRect(QRect(0, 0, width, 1));
    fillRect(0, 0, width, 1, background);
    for (const GridLine& line : lines) {
        if (!line.vertical)
            continue;
        setPen(lineColour, line.width, PenStyle::Solid);
        moveTo(line.at, 0);
        lineTo(line.at, height);
    }
    painter_.setClipping(false);
    QImage top = image_.copy(0, 0, deviceWidth_, 1);
    top.setDevicePixelRatio(1);
    // Device pixels for a moment: the painter's own scale undone.
    painter_.setTransform(QTransform::fromScale(1 / scale_, 1 / scale_));
    painter_.fillRect(QRect(0, 1, deviceWidth_, deviceHeight_ - 1), QBrush(top));
    painter_.setTransform(QTransform());
    for (const GridLine& line : lines) {
        if (line.vertical)
            continue;
        setPen(lineColour, line.width, PenStyle::Solid);
        moveTo(0, line.at);
        lineTo(width, line.at);
    }
}

// A zone's figure is the costliest thing on the canvas: the spikes of its
// towns go through the stroker, the rings through a square root a row and a
// dotted ring through an arc tangent a pixel. Zones of one look draw the same
// pixels about their centres, so each look is drawn once, into a transparent
// image, and copied. Every pixel a figure sets is opaque, so the copy sets
// exactly those pixels; at ratios 1 and 2 the image lands on whole device
// pixels, and the raster engine copies it without resampling. Other ratios,
// where a centre may fall between device pixels, draw each figure.
//
// zonewright-bench, full redraw of 500 zones at zoom 5 and ratio 2, CPU
// medians of 5 on two loaded EPYC cores: 30.4 ms with every figure drawn,
// 15.2 ms copied (grid and numbers drawn each time in both).
void QtPainter::zoneFigure(const ZoneFigure& figure, int cx, int cy) {
    if (!copyRepeats_ || !direct_ || (scale_ != 1 && scale_ != 2)) {
        drawZoneFigure(*this, figure, cx, cy);
        return;
    }
    const int reach = zoneFigureReach(figure);
    Kept& kept = keptDrawings();
    auto [entry, added] = kept.figures.try_emplace(FigureKey{figure, scale_});
    if (added) {
        const int side = static_cast<int>(2 * reach * scale_);
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        image.setDevicePixelRatio(scale_);
        {
            QtPainter painter(image);
            drawZoneFigure(painter, figure, reach, reach);
        }
        kept.figureBytes += image.sizeInBytes();
        entry->second = std::move(image);
    }
    painter_.drawImage(QPoint(cx - reach, cy - reach), entry->second);
    if (kept.figureBytes > kMaxFigureBytes) {
        kept.figures.clear();
        kept.figureBytes = 0;
    }
    // The figure leaves the pen and brush unspecified; the painter's are kept.
}

void QtPainter::textOut(int x, int y, std::string_view utf8) {
    if (!metrics_)
        setFont(kCanvasFace, 10, Rgb{});
    if (brush_.style() != Qt::NoBrush)
        painter_.fillRect(QRect(x, y, textWidth(utf8), metrics_->height()), brush_.color());
    // The text's pen stays set until something else draws with the painter's
    // pen: the numbers of zones follow each other with only copied figures
    // between them.
    if (!textPenSet_ || textPen_.color() != fontColour_) {
        textPen_ = QPen(fontColour_);
        painter_.setPen(textPen_);
        textPenSet_ = true;
    }
    // The position is the top-left corner of the text cell; the baseline lies
    // the font's ascent below it.
    const QPoint baseline(x, y + metrics_->ascent());
    if (!copyRepeats_) {
        painter_.drawText(baseline, toQString(utf8));
        return;
    }
    // Every redraw writes the numbers of all zones on screen, and drawing a
    // string shapes it anew: the text's layout is kept, and drawing it hands
    // the shaped glyphs to the raster engine as drawText does.
    //
    // zonewright-bench, full redraw of 500 zones at zoom 5 and ratio 2, CPU
    // medians of 5 on two loaded EPYC cores: 13.0 ms shaping each number,
    // 9.4 ms with the layouts kept (grid tiled and figures copied in both).
    Kept& kept = keptDrawings();
    if (kept.texts.size() >= kMaxTexts)
        kept.texts.clear();
    auto [entry, added] = kept.texts.try_emplace({fontId_, scale_, std::string(utf8)});
    LaidOutText& text = entry->second;
    if (added) {
        text.layout = std::make_unique<QTextLayout>(toQString(utf8), painter_.font(), &image_);
        text.layout->setCacheEnabled(true);
        text.layout->beginLayout();
        const QTextLine line = text.layout->createLine();
        text.layout->endLayout();
        text.ascent = line.ascent();
    }
    text.layout->draw(&painter_, QPointF(baseline) - QPointF(0, text.ascent));
}

int QtPainter::textWidth(std::string_view utf8) {
    if (!metrics_)
        setFont(kCanvasFace, 10, Rgb{});
    // Every redraw measures the numbers of all zones on screen, and measuring
    // shapes the text anew: the widths are kept.
    Kept& kept = keptDrawings();
    if (kept.widths.size() >= kMaxTexts)
        kept.widths.clear();
    auto [entry, added] = kept.widths.try_emplace({fontId_, std::string(utf8)}, 0);
    if (added)
        entry->second = metrics_->horizontalAdvance(toQString(utf8));
    return entry->second;
}

int QtPainter::textHeight(std::string_view) {
    if (!metrics_)
        setFont(kCanvasFace, 10, Rgb{});
    return metrics_->height();
}

QImage renderToImage(const TRmg& t, const ViewState& view, ItemRef dragSource, int width,
                     int height, double scale) {
    return renderToImage(t, view, dragSource, width, height, CanvasOverlay{}, scale);
}

QImage renderToImage(const TRmg& t, const ViewState& view, ItemRef dragSource, int width,
                     int height, const CanvasOverlay& overlay, double scale) {
    if (width <= 0 || height <= 0 || !std::isfinite(scale) || scale < 1.0 / 16 || scale > 16)
        return QImage();
    // Qt's images and painters address device pixels with int coordinates;
    // larger pictures are refused rather than wrapped around.
    constexpr double kMaxSide = 32767;
    const double deviceWidth = std::ceil(width * scale);
    const double deviceHeight = std::ceil(height * scale);
    if (deviceWidth > kMaxSide || deviceHeight > kMaxSide)
        return QImage();
    QImage image(static_cast<int>(deviceWidth), static_cast<int>(deviceHeight),
                 QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(scale);
    // The picture covers W x H logical pixels; a fractional scale leaves a
    // strip of device pixels beyond it, which shows the background.
    if (deviceWidth != width * scale || deviceHeight != height * scale)
        image.fill(QColor(kSilver.r, kSilver.g, kSilver.b));
    {
        QtPainter painter(image);
        redraw(painter, t, view, dragSource, width, height, overlay);
    }
    return image;
}

} // namespace zw
