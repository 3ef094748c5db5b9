#include "app/icons.h"

#include <QFile>
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

// A toolbar icon whose pictures are decoded when first asked for: the small
// one when the button is first painted, after the window is on screen, and
// the one for dense screens only when a request at a ratio above 1 or a size
// above the small one comes. Everything else is the toolkit's own icon of the
// pictures decoded so far, so the icon looks and scales as one made of both
// pictures at once.
class ToolbarIconEngine : public QIconEngine {
  public:
    explicit ToolbarIconEngine(QString base) : base_(std::move(base)) {}

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
        needs(kSmall, 2);
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
    static constexpr QSize kSmall{kToolbarIconSize, kToolbarIconSize};

    // Decodes what a request may need: the small picture always, the dense
    // one at a ratio above 1 or for a size above the small one.
    void needs(const QSize& size, qreal scale) {
        if (!small_) {
            icon_.addPixmap(picture(base_ + QStringLiteral(".png")));
            small_ = true;
        }
        if (!dense_ &&
            (scale > 1 || size.width() > kSmall.width() || size.height() > kSmall.height())) {
            icon_.addPixmap(picture(base_ + QStringLiteral("@2x.png")));
            dense_ = true;
        }
    }

    QString base_; // ":/icons/NAME"
    bool small_ = false;
    bool dense_ = false;
    QIcon icon_;
};

} // namespace

QIcon toolbarIcon(const QString& name) {
    const QString base = QStringLiteral(":/icons/") + name;
    if (!QFile::exists(base + QStringLiteral(".png")))
        return {};
    return QIcon(new ToolbarIconEngine(base));
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
