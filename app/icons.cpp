#include "app/icons.h"

#include "platform/association.h"

#include <QPainter>
#include <QSvgRenderer>

#include <array>

// The resources live in the static window library; this keeps them linked in.
static void initZonewrightResources() {
    Q_INIT_RESOURCE(resources);
}

namespace zw {
namespace {

void ensureResources() {
    static const bool done = [] {
        initZonewrightResources();
        return true;
    }();
    (void)done;
}

QPixmap renderSvg(const QString& path, int w, int h) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(0, 0, w, h));
    return pm;
}

} // namespace

QIcon toolbarIcon(const QString& name) {
    ensureResources();
    const QString path = QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
    const QPixmap small = renderSvg(path, kToolbarIconSize, kToolbarIconSize);
    if (small.isNull())
        return {};
    QIcon icon;
    icon.addPixmap(small);
    icon.addPixmap(renderSvg(path, 2 * kToolbarIconSize, 2 * kToolbarIconSize));
    return icon;
}

QIcon applicationIcon() {
    const std::string svg = associationIconSvg();
    QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p, QRectF(0, 0, size, size));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QPixmap mineIcon(int index) {
    static const std::array<const char*, kMineIconCount> names = {
        "wood", "mercury", "ore", "sulfur", "crystal", "gems", "gold"};
    if (index < 0 || index >= kMineIconCount)
        return {};
    ensureResources();
    return renderSvg(QStringLiteral(":/mines/") + QLatin1String(names[static_cast<size_t>(index)]) +
                         QStringLiteral(".svg"),
                     kMineIconWidth, kMineIconHeight);
}

} // namespace zw
