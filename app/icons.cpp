#include "app/icons.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>

#include <array>

namespace zw {
namespace {

// Pictures are compiled in as PNG files rasterised from the SVG sources at
// build time (see resources/make_pictures.cpp). The format is named and
// nothing is detected: otherwise the toolkit loads every image plugin at
// start-up to ask whether one of them reads the data.
QPixmap picture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// A toolbar icon whose picture for dense screens is decoded when first asked
// for: the window shows two dozen icons at start-up, mostly on screens that
// need only the small pictures. Everything else is the toolkit's own icon of
// the pictures decoded so far, so the icon looks and scales as one made of
// both pictures at once.
class ToolbarIconEngine : public QIconEngine {
  public:
    ToolbarIconEngine(QString denseFile, const QPixmap& small)
        : denseFile_(std::move(denseFile)), smallSize_(small.size()) {
        icon_.addPixmap(small);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        needs(size, 1);
        return icon_.pixmap(size, 1.0, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        needs(rect.size(), painter->device()->devicePixelRatio());
        icon_.paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        needs(size, 1);
        return icon_.actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        needs(smallSize_, 2);
        return icon_.availableSizes(mode, state);
    }
    // `size` in device pixels, as QIcon asks at a ratio above 1.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        needs(size, scale);
        return icon_.pixmap(size / scale, scale, mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new ToolbarIconEngine(*this); }
    QString key() const override { return QStringLiteral("zw-toolbar"); }

  private:
    // Adds the dense picture before a request it may serve: at a ratio above
    // 1, or larger than the small picture.
    void needs(const QSize& size, qreal scale) {
        if (denseFile_.isEmpty() || (scale <= 1 && size.width() <= smallSize_.width() &&
                                     size.height() <= smallSize_.height()))
            return;
        icon_.addPixmap(picture(denseFile_));
        denseFile_.clear();
    }

    QString denseFile_; // empty once decoded
    QSize smallSize_;
    QIcon icon_;
};

} // namespace

QIcon toolbarIcon(const QString& name) {
    const QString base = QStringLiteral(":/icons/") + name;
    const QPixmap small = picture(base + QStringLiteral(".png"));
    if (small.isNull())
        return {};
    return QIcon(new ToolbarIconEngine(base + QStringLiteral("@2x.png"), small));
}

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QPixmap pm = picture(QStringLiteral(":/app/%1.png").arg(size));
        if (!pm.isNull())
            icon.addPixmap(pm);
    }
    return icon;
}

QPixmap mineIcon(int index) {
    static const std::array<const char*, kMineIconCount> names = {
        "wood", "mercury", "ore", "sulfur", "crystal", "gems", "gold"};
    if (index < 0 || index >= kMineIconCount)
        return {};
    return picture(QStringLiteral(":/mines/") + QLatin1String(names[static_cast<size_t>(index)]) +
                   QStringLiteral(".png"));
}

} // namespace zw
