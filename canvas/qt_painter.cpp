#include "canvas/qt_painter.h"

#include "canvas/render.h"

#include <QFontDatabase>
#include <QHash>
#include <QPolygon>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
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

// Cuts the segment to the rectangle [lo, hi] on both axes (Liang-Barsky).
// Returns false when nothing of it lies inside. Keeps the raster engine away
// from coordinates far outside the picture, which zones at extreme grid
// positions produce.
bool clipSegment(double& x0, double& y0, double& x1, double& y1, double loX, double loY, double hiX,
                 double hiY) {
    double t0 = 0;
    double t1 = 1;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const std::array<double, 4> p = {-dx, dx, -dy, dy};
    const std::array<double, 4> q = {x0 - loX, hiX - x0, y0 - loY, hiY - y0};
    for (size_t i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    const double ox = x0;
    const double oy = y0;
    x0 = ox + t0 * dx;
    y0 = oy + t0 * dy;
    x1 = ox + t1 * dx;
    y1 = oy + t1 * dy;
    return true;
}

// Ellipses are written straight into 32-bit images (see
// drawEllipseDirect). Taking the pixels before the painter begins makes sure
// the image owns them alone, so the painter and the direct writes share them.
uchar* writableBits(QImage& image) {
    const QImage::Format f = image.format();
    if (image.isNull() || (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 &&
                           f != QImage::Format_ARGB32_Premultiplied))
        return nullptr;
    return image.bits();
}

// std::floor and std::ceil of a value within the int range, computed in line:
// the ellipse writer needs four for each row, and without SSE4.1 the library
// calls cost more than the rest of the row's arithmetic.
int floorToInt(double v) {
    const int i = static_cast<int>(v);
    return i > v ? i - 1 : i;
}

int ceilToInt(double v) {
    const int i = static_cast<int>(v);
    return i < v ? i + 1 : i;
}

// Sets `count` pixels from `out` on. Eight at a time in the main loop, which the
// compiler turns into vector stores; std::fill stores one pixel at a time, and
// the interiors of the zones are most of the pixels the direct writer sets.
void fillPixels(uint32_t* out, int count, uint32_t pixel) {
    for (; count >= 8; count -= 8, out += 8) {
        out[0] = pixel;
        out[1] = pixel;
        out[2] = pixel;
        out[3] = pixel;
        out[4] = pixel;
        out[5] = pixel;
        out[6] = pixel;
        out[7] = pixel;
    }
    for (; count > 0; --count)
        *out++ = pixel;
}

// The angle of (x, y) as std::atan2 gives it, within 2e-5 radians: twice the
// largest error of the polynomial for the arc tangent on [0, 1] (Abramowitz and
// Stegun 4.4.49), measured at 1.2e-5.
double roughAtan2(double y, double x) {
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    const double big = std::max(ax, ay);
    const double t = big == 0 ? 0.0 : std::min(ax, ay) / big;
    const double t2 = t * t;
    double angle =
        t * (0.9998660 + t2 * (-0.3302995 + t2 * (0.1801410 + t2 * (-0.0851330 + t2 * 0.0208351))));
    if (ay > ax)
        angle = M_PI / 2 - angle;
    if (std::signbit(x))
        angle = M_PI - angle;
    // The sign of y, zero included, picks the half turn as std::atan2 does.
    return std::signbit(y) ? -angle : angle;
}

// Asks for the pixels [first, last] of an image row to be brought into the
// cache for writing. Successive rows of an ellipse lie a whole image line
// apart, too far for the processor to see them coming, and a picture of
// several million pixels does not stay in the cache: waiting for memory row by
// row took most of the time of the zones' interiors. A hint only, skipped by
// compilers that don't have it.
void prefetchPixels(const uchar* row, int first, int last) {
#if defined(__GNUC__)
    constexpr int kPixelsPerCacheLine = 16;
    for (int x = first; x <= last; x += kPixelsPerCacheLine)
        __builtin_prefetch(row + 4 * static_cast<ptrdiff_t>(x), 1);
    __builtin_prefetch(row + 4 * static_cast<ptrdiff_t>(last), 1);
#else
    (void)row, (void)first, (void)last;
#endif
}

// The decisions of dottedRingCovers for the pixels around one ring, made as
// they are asked for, by offset from the pixel that holds the centre.
class DotDecisions {
  public:
    explicit DotDecisions(int reach)
        : reach_(reach), states_(static_cast<size_t>(2 * reach + 1) * (2 * reach + 1)) {}
    // The offsets lie within the reach given at construction.
    bool covers(int offsetX, int offsetY, double dx, double dy, double ringRadius) {
        uint8_t& state = states_[static_cast<size_t>(offsetY + reach_) * (2 * reach_ + 1) +
                                 static_cast<size_t>(offsetX + reach_)];
        if (state == kUnknown)
            state = dottedRingCovers(dx, dy, ringRadius) ? kDot : kGap;
        return state == kDot;
    }

  private:
    static constexpr uint8_t kUnknown = 0, kGap = 1, kDot = 2;
    int reach_;
    std::vector<uint8_t> states_;
};

// Decisions for a ring whose centre lies on a whole or half device pixel and
// whose pixels lie within `reach` of it; none for other rings. The offsets of
// a pixel from such a centre are the same numbers wherever the ring lies, so
// the decisions hold for every ring of that radius: the junctions repeat a
// few sizes, and each redraw draws all of their dotted rings again. Kept per
// thread, as pictures may be drawn on several at once.
DotDecisions* dotDecisionsFor(double ringRadius, double cx, double cy, double reach) {
    constexpr double kMaxReach = 256;
    // Centres far outside the picture are left out too, whose pixel would not fit an int.
    constexpr double kMaxCentre = 1 << 30;
    if (reach > kMaxReach || std::fabs(cx) > kMaxCentre || std::fabs(cy) > kMaxCentre ||
        std::floor(2 * cx) != 2 * cx || std::floor(2 * cy) != 2 * cy)
        return nullptr;
    thread_local std::map<std::tuple<double, double, double, int>, DotDecisions> rings;
    constexpr size_t kMaxRings = 32;
    if (rings.size() >= kMaxRings)
        rings.clear();
    const int wholeReach = static_cast<int>(std::ceil(reach));
    const auto key = std::tuple{ringRadius, cx - std::floor(cx), cy - std::floor(cy), wholeReach};
    return &rings.try_emplace(key, wholeReach).first->second;
}

} // namespace

bool dottedRingCovers(double dx, double dy, double ringRadius) {
    // The length along the ring decides; std::atan2 is the exact rule but costs
    // most of the time of a dotted ring. The rough length decides whenever it is
    // far enough from a whole number that its error cannot cross one, which
    // leaves std::atan2 for about one pixel in a thousand. Both lengths are
    // never negative, so the conversion rounds down as std::floor does.
    const double margin = 2e-5 * ringRadius + 1e-9;
    const double roughArc = (roughAtan2(dy, dx) + M_PI) * ringRadius;
    auto whole = static_cast<int64_t>(roughArc);
    const double fraction = roughArc - static_cast<double>(whole);
    if (fraction <= margin || fraction >= 1 - margin)
        whole = static_cast<int64_t>(std::floor((std::atan2(dy, dx) + M_PI) * ringRadius));
    return whole % 3 == 0;
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
    fontKey_ = font_.key() + QLatin1Char('/') + QString::number(image_.logicalDpiX()) +
               QLatin1Char('/') + QString::number(image_.logicalDpiY());
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
    painter_.drawLine(QPointF(x0 + strokeOffset_, y0 + strokeOffset_),
                      QPointF(x1 + strokeOffset_, y1 + strokeOffset_));
}

namespace {

// Draws the polygon with its corners moved by (shiftX, shiftY) canvas pixels.
void drawPolygonThrough(QPainter& painter, const std::vector<PixelPoint>& points, int shiftX,
                        int shiftY, double strokeOffset) {
    if (strokeOffset == 0) {
        // Integer corners take the raster engine's quicker way.
        QPolygon poly;
        poly.reserve(static_cast<qsizetype>(points.size()));
        for (const auto& p : points)
            poly << QPoint(p.x + shiftX, p.y + shiftY);
        painter.drawPolygon(poly);
        return;
    }
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& p : points)
        poly << QPointF(p.x + shiftX + strokeOffset, p.y + shiftY + strokeOffset);
    painter.drawPolygon(poly);
}

// Largest polygons drawn from a mask: town marks have three corners and are at
// most a zone's radius across.
constexpr size_t kMaxMaskCorners = 8;
constexpr int64_t kMaxMaskSide = 256;

} // namespace

void QtPainter::polygon(const std::vector<PixelPoint>& points) {
    if (direct_ && drawPolygonFromMask(points))
        return;
    drawPolygonThrough(painter_, points, 0, 0, strokeOffset_);
}

// The town marks repeat from zone to zone in a few shapes, and the raster
// engine's stroker took more time over them than over all the rest of a zone.
// Where every corner lies on a whole device pixel (device pixel ratio 1, 2, 4,
// ...), moving a shape moves its pixels with it: the engine's arithmetic stays
// the same but for rounding far below its sub-pixel grid, and the tests compare
// the copies of every town mark with QPainter's drawing. So each shape
// is drawn once through QPainter into a mask, and its pixels are copied from
// there. Dotted pens, large shapes and shapes near the picture's edges go to
// QPainter as before.
bool QtPainter::drawPolygonFromMask(const std::vector<PixelPoint>& points) {
    const int scale = static_cast<int>(scale_);
    if (scale != scale_ || scale * strokeOffset_ != std::floor(scale * strokeOffset_) ||
        penStyle_ != PenStyle::Solid || points.empty() || points.size() > kMaxMaskCorners)
        return false;
    const PixelPoint first = points.front();
    const bool fill = brush_.style() != Qt::NoBrush;
    std::vector<int> shape = {scale, penWidth_, fill ? 1 : 0};
    int64_t left = 0, top = 0, right = 0, bottom = 0;
    for (const auto& p : points) {
        const int64_t dx = static_cast<int64_t>(p.x) - first.x;
        const int64_t dy = static_cast<int64_t>(p.y) - first.y;
        if (std::max(std::abs(dx), std::abs(dy)) > kMaxMaskSide)
            return false;
        shape.push_back(static_cast<int>(dx));
        shape.push_back(static_cast<int>(dy));
        left = std::min(left, dx);
        right = std::max(right, dx);
        top = std::min(top, dy);
        bottom = std::max(bottom, dy);
    }
    // Room for the pen and its mitred corners, then the whole area must lie
    // inside the picture, where no clipping can differ.
    const int64_t margin = 2 * static_cast<int64_t>(penWidth_) + 2;
    if ((first.x + left - margin) * scale < 0 || (first.y + top - margin) * scale < 0 ||
        (first.x + right + margin + 1) * scale > deviceWidth_ ||
        (first.y + bottom + margin + 1) * scale > deviceHeight_)
        return false;

    // Kept from picture to picture, as the editor redraws the same marks: by
    // device pixel ratio, pen width, brush on or off and the corners relative to
    // the first one; none for shapes QPainter has to draw. Per thread, as
    // pictures may be drawn on several at once.
    thread_local std::map<std::vector<int>, std::optional<PolygonMask>> masks;
    constexpr size_t kMaxMasks = 256; // some thirty shapes at each zoom level
    if (masks.size() >= kMaxMasks)
        masks.clear();
    auto [entry, added] = masks.try_emplace(std::move(shape));
    if (added) {
        // Drawn with the first corner at (margin - left, margin - top).
        const auto shiftX = static_cast<int>(margin - left - first.x);
        const auto shiftY = static_cast<int>(margin - top - first.y);
        entry->second =
            makePolygonMask(points, shiftX, shiftY, static_cast<int>(right - left + 2 * margin + 1),
                            static_cast<int>(bottom - top + 2 * margin + 1));
    }
    if (!entry->second)
        return false;
    const uint32_t penPixel = pen_.color().rgb();
    const uint32_t brushPixel = brush_.color().rgb();
    const int64_t originX = static_cast<int64_t>(first.x) * scale;
    const int64_t originY = static_cast<int64_t>(first.y) * scale;
    for (const PolygonRun& run : *entry->second) {
        auto* row = reinterpret_cast<uint32_t*>(bits_ + static_cast<ptrdiff_t>(originY + run.y) *
                                                            bytesPerLine_);
        fillPixels(row + originX + run.x, run.length, run.pen ? penPixel : brushPixel);
    }
    return true;
}

// The polygon's pixels as QPainter sets them, in runs along the rows relative
// to the device pixel of its first corner; none when the drawing reaches the
// mask's edge, which the margin should prevent.
std::optional<QtPainter::PolygonMask>
QtPainter::makePolygonMask(const std::vector<PixelPoint>& points, int shiftX, int shiftY, int width,
                           int height) const {
    const int scale = static_cast<int>(scale_);
    QImage mask(width * scale, height * scale, QImage::Format_RGB32);
    mask.setDevicePixelRatio(scale_);
    const QRgb untouched = qRgb(0, 0, 0), penMark = qRgb(255, 0, 0), brushMark = qRgb(0, 255, 0);
    mask.fill(untouched);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBackgroundMode(Qt::TransparentMode);
        QPen pen = pen_;
        pen.setColor(QColor(penMark));
        painter.setPen(pen);
        painter.setBrush(brush_.style() == Qt::NoBrush ? QBrush(Qt::NoBrush)
                                                       : QBrush(QColor(brushMark)));
        drawPolygonThrough(painter, points, shiftX, shiftY, strokeOffset_);
    }
    // The device pixel of the first corner within the mask.
    const int cornerX = (points.front().x + shiftX) * scale;
    const int cornerY = (points.front().y + shiftY) * scale;
    PolygonMask runs;
    const int maskWidth = mask.width();
    const int maskHeight = mask.height();
    for (int y = 0; y < maskHeight; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < maskWidth;) {
            const QRgb mark = row[x];
            int end = x + 1;
            while (end < maskWidth && row[end] == mark)
                ++end;
            if (mark != untouched) {
                if (x == 0 || y == 0 || end == maskWidth || y == maskHeight - 1)
                    return std::nullopt;
                runs.push_back({y - cornerY, x - cornerX, end - x, mark == penMark});
            }
            x = end;
        }
    }
    return runs;
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
    painter_.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

// Writes the ellipse's rows straight into the image: several times faster than
// the raster engine's ellipse, which dominated the redraw of large templates.
// A device pixel belongs to an ellipse when its centre lies inside it. The
// brush fills the figure; the pen is a ring centred on its edge, `width`
// logical pixels thick; a dotted pen keeps one logical pixel in three along
// the ring. At a device pixel ratio above 1 the same figure is drawn with
// finer pixels.
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
    // Pixels of the ring lie within a pixel of the outer ellipse.
    DotDecisions* const decisions =
        dotted ? dotDecisionsFor(ringRadius, cx, cy, std::max(outerA, outerB) + 2) : nullptr;
    // The pixel that holds the centre, used only with the decisions.
    const int centreX = decisions ? static_cast<int>(std::floor(cx)) : 0;
    const int centreY = decisions ? static_cast<int>(std::floor(cy)) : 0;

    // Columns [first, last] whose centres lie within `half` of the centre, kept
    // within one pixel of the picture before converting.
    const double columnLimit = deviceWidth_;
    auto span = [cx, columnLimit](double half, int& first, int& last) {
        first = ceilToInt(std::clamp(cx - half - 0.5, -1.0, columnLimit));
        last = floorToInt(std::clamp(cx + half - 0.5, -1.0, columnLimit));
    };
    const int width = deviceWidth_;
    const int rowFirst =
        static_cast<int>(std::clamp(std::floor(cy - outerB), 0.0, double(deviceHeight_)));
    const int rowLast =
        static_cast<int>(std::clamp(std::ceil(cy + outerB), -1.0, double(deviceHeight_ - 1)));
    for (int y = rowFirst; y <= rowLast; ++y) {
        const double py = y + 0.5 - cy;
        if (std::fabs(py) > outerB)
            continue;
        int outerFirst = 0, outerLast = 0;
        span(outerA * std::sqrt(std::max(0.0, 1 - (py / outerB) * (py / outerB))), outerFirst,
             outerLast);
        int innerFirst = outerLast + 1, innerLast = outerLast;
        if (innerA > 0 && innerB > 0 && std::fabs(py) <= innerB)
            span(innerA * std::sqrt(std::max(0.0, 1 - (py / innerB) * (py / innerB))), innerFirst,
                 innerLast);
        auto* row = reinterpret_cast<uint32_t*>(bits_ + static_cast<ptrdiff_t>(y) * bytesPerLine_);
        // A row a few rows ahead is about as wide as this one.
        constexpr int kRowsAhead = 4;
        if (y + kRowsAhead <= rowLast)
            prefetchPixels(bits_ + static_cast<ptrdiff_t>(y + kRowsAhead) * bytesPerLine_,
                           std::max(outerFirst, 0), std::min(outerLast, width - 1));
        auto fillSpan = [&](int from, int to, uint32_t pixel) {
            from = std::max(from, 0);
            to = std::min(to, width - 1);
            if (from <= to)
                fillPixels(row + from, to - from + 1, pixel);
        };
        auto ringSpan = [&](int from, int to) {
            if (!dotted) {
                fillSpan(from, to, penPixel);
                return;
            }
            for (int x = std::max(from, 0); x <= std::min(to, width - 1); ++x) {
                const double dx = x + 0.5 - cx;
                if (decisions ? decisions->covers(x - centreX, y - centreY, dx, py, ringRadius)
                              : dottedRingCovers(dx, py, ringRadius))
                    row[x] = penPixel;
            }
        };
        if (innerFirst > innerLast) {
            ringSpan(outerFirst, outerLast);
            continue;
        }
        if (fill)
            fillSpan(innerFirst, innerLast, brushPixel);
        ringSpan(outerFirst, innerFirst - 1);
        ringSpan(innerLast + 1, outerLast);
    }
}

void QtPainter::textOut(int x, int y, std::string_view utf8) {
    if (!metrics_)
        setFont(kCanvasFace, 10, Rgb{});
    const QString text = toQString(utf8);
    if (brush_.style() != Qt::NoBrush)
        painter_.fillRect(QRect(x, y, metrics_->horizontalAdvance(text), metrics_->height()),
                          brush_.color());
    painter_.setPen(QPen(fontColour_));
    // The position is the top-left corner of the text cell.
    painter_.drawText(QPoint(x, y + metrics_->ascent()), text);
    painter_.setPen(pen_);
}

int QtPainter::textWidth(std::string_view utf8) {
    if (!metrics_)
        setFont(kCanvasFace, 10, Rgb{});
    // Every redraw measures the numbers of all zones on screen, and measuring
    // shapes the text anew: the widths are kept by font and text, per thread
    // as pictures may be drawn on several at once.
    thread_local std::map<std::pair<QString, std::string>, int> widths;
    constexpr size_t kMaxWidths = 4096;
    if (widths.size() >= kMaxWidths)
        widths.clear();
    auto [entry, added] = widths.try_emplace({fontKey_, std::string(utf8)}, 0);
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
