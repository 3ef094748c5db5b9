#include "app/icons.h"

#include <QImageReader>

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

} // namespace

QIcon toolbarIcon(const QString& name) {
    const QString base = QStringLiteral(":/icons/") + name;
    const QPixmap small = picture(base + QStringLiteral(".png"));
    if (small.isNull())
        return {};
    QIcon icon;
    icon.addPixmap(small);
    icon.addPixmap(picture(base + QStringLiteral("@2x.png")));
    return icon;
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
