// Rasterises the program's pictures on the build machine, where Qt's SVG
// renderer is, so the program itself needs no SVG support (the Qt for Windows
// has none):
//   OUT/icons/NAME.png, NAME@2x.png  each toolbar icon at 16 and 32 pixels
//   OUT/mines/NAME.png               each mine icon at 24 x 19
//   OUT/app/SIZE.png                 the program's own icon at the window sizes
//   OUT/zonewright.ico               the same for Windows resources: 16, 32, 48, 256
// Usage: make_pictures RESOURCES_FOLDER OUT_FOLDER
#include "platform/association.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

constexpr int kToolbarIconSize = 16;
constexpr int kMineIconWidth = 24;
constexpr int kMineIconHeight = 19;
constexpr int kWindowIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr int kIcoSizes[] = {16, 32, 48, 256};

QImage render(QSvgRenderer& svg, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, width, height));
    painter.end();
    return image;
}

bool save(const QImage& image, const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Every SVG of `folder` at each of `scales` times width x height; the first
// scale gives NAME.png, a scale s > 1 NAME@sx.png.
bool rasteriseFolder(const QString& folder, const QString& out, int width, int height,
                     std::initializer_list<int> scales) {
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.svg")}, QDir::Files);
    if (names.isEmpty()) {
        std::fprintf(stderr, "make_pictures: no pictures in %s\n", qPrintable(folder));
        return false;
    }
    for (const QString& name : names) {
        QSvgRenderer svg(folder + QLatin1Char('/') + name);
        if (!svg.isValid()) {
            std::fprintf(stderr, "make_pictures: cannot read %s/%s\n", qPrintable(folder),
                         qPrintable(name));
            return false;
        }
        const QString base = out + QLatin1Char('/') + QFileInfo(name).completeBaseName();
        for (const int scale : scales) {
            const QString suffix =
                scale == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(scale);
            if (!save(render(svg, scale * width, scale * height), base + suffix))
                return false;
        }
    }
    return true;
}

void put16(QByteArray& out, int v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void put32(QByteArray& out, qint64 v) {
    put16(out, static_cast<int>(v & 0xFFFF));
    put16(out, static_cast<int>((v >> 16) & 0xFFFF));
}

// A Windows .ico holding one PNG image per size.
QByteArray icoOf(QSvgRenderer& svg) {
    QList<QByteArray> images;
    for (const int size : kIcoSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        render(svg, size, size).save(&buffer, "PNG");
        images.append(png);
    }
    QByteArray ico;
    put16(ico, 0); // reserved
    put16(ico, 1); // an icon
    put16(ico, static_cast<int>(images.size()));
    qint64 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = kIcoSizes[i];
        ico.append(static_cast<char>(size >= 256 ? 0 : size)); // 0 means 256
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append('\0'); // no palette
        ico.append('\0');
        put16(ico, 1);  // planes
        put16(ico, 32); // bits per pixel
        put32(ico, images[i].size());
        put32(ico, offset);
        offset += images[i].size();
    }
    for (const QByteArray& png : images)
        ico.append(png);
    return ico;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_pictures RESOURCES_FOLDER OUT_FOLDER\n");
        return 2;
    }
    int qtArgc = 3;
    char arg0[] = "make_pictures";
    char arg1[] = "-platform";
    char arg2[] = "offscreen";
    char* qtArgv[] = {arg0, arg1, arg2, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    const QString resources = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);

    if (!rasteriseFolder(resources + QStringLiteral("/icons"), out + QStringLiteral("/icons"),
                         kToolbarIconSize, kToolbarIconSize, {1, 2}) ||
        !rasteriseFolder(resources + QStringLiteral("/mines"), out + QStringLiteral("/mines"),
                         kMineIconWidth, kMineIconHeight, {1}))
        return 1;

    QSvgRenderer svg(QByteArray::fromStdString(zw::associationIconSvg()));
    if (!svg.isValid())
        return 1;
    for (const int size : kWindowIconSizes)
        if (!save(render(svg, size, size), out + QStringLiteral("/app/%1.png").arg(size)))
            return 1;

    const QByteArray ico = icoOf(svg);
    QFile file(out + QStringLiteral("/zonewright.ico"));
    if (!file.open(QIODevice::WriteOnly) || file.write(ico) != ico.size()) {
        std::fprintf(stderr, "make_pictures: cannot write %s/zonewright.ico\n", qPrintable(out));
        return 1;
    }
    return 0;
}
