// Rasterises the project's icon (the ".tpz" association icon) into a Windows
// .ico holding PNG images of 16, 32, 48 and 256 pixels, for the executables'
// icon resource. Runs on the build machine, where Qt's SVG renderer is.
#include "platform/association.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

void put16(QByteArray& out, int v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void put32(QByteArray& out, qint64 v) {
    put16(out, static_cast<int>(v & 0xFFFF));
    put16(out, static_cast<int>((v >> 16) & 0xFFFF));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUT.ico\n");
        return 2;
    }
    int qtArgc = 3;
    char arg0[] = "make_icon";
    char arg1[] = "-platform";
    char arg2[] = "offscreen";
    char* qtArgv[] = {arg0, arg1, arg2, nullptr};
    QGuiApplication app(qtArgc, qtArgv);

    QSvgRenderer svg(QByteArray::fromStdString(zw::associationIconSvg()));
    if (!svg.isValid())
        return 1;
    const int sizes[] = {16, 32, 48, 256};
    QList<QByteArray> images;
    for (int size : sizes) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        images.append(png);
    }

    QByteArray ico;
    put16(ico, 0); // reserved
    put16(ico, 1); // an icon
    put16(ico, static_cast<int>(images.size()));
    qint64 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = sizes[i];
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

    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(ico) != ico.size())
        return 1;
    return 0;
}
