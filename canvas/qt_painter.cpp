#include "canvas/qt_painter.h"

#include "canvas/render.h"

#include <QFontDatabase>
#include <QHash>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cmath>

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

} // namespace

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

QtPainter::QtPainter(QImage& image) : image_(image), painter_(&image) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    pen_ = QPen(QColor(0, 0, 0), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    brush_ = QBrush(QColor(255, 255, 255), Qt::SolidPattern);
    fontColour_ = QColor(0, 0, 0);
    painter_.setPen(pen_);
    painter_.setBrush(brush_);
}

QtPainter::~QtPainter() {
    painter_.end();
}

void QtPainter::setPen(Rgb colour, int width, PenStyle style) {
    pen_ =
        QPen(toQColor(colour), std::max(width, 1),
             style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
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
    if (!clipSegment(x0, y0, x1, y1, -margin, -margin, image_.width() + margin,
                     image_.height() + margin))
        return;
    painter_.drawLine(QPointF(x0, y0), QPointF(x1, y1));
}

void QtPainter::polygon(const std::vector<PixelPoint>& points) {
    QPolygon poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& p : points)
        poly << QPoint(p.x, p.y);
    painter_.drawPolygon(poly);
}

void QtPainter::ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    // The figure covers the pixels left .. right - 1 and top .. bottom - 1. Qt's
    // integer rectangles include their far edge, so the rectangle is one pixel
    // smaller than the bounds.
    painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
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
    return metrics_->horizontalAdvance(toQString(utf8));
}

int QtPainter::textHeight(std::string_view) {
    if (!metrics_)
        setFont(kCanvasFace, 10, Rgb{});
    return metrics_->height();
}

QImage renderToImage(const TRmg& t, const ViewState& view, ItemRef dragSource, int width,
                     int height) {
    if (width <= 0 || height <= 0)
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    {
        QtPainter painter(image);
        redraw(painter, t, view, dragSource, width, height);
    }
    return image;
}

} // namespace zw
