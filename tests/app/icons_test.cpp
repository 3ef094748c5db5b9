#include "app/icons.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace zw {
namespace {

// A toolbar icon decodes its pictures only when asked for them; whatever is
// asked first, it gives what an icon holding both pictures gives.
TEST(ToolbarIcon, GivesThePixmapsOfAnIconHoldingBothPictures) {
    QIcon both;
    both.addPixmap(QPixmap(QStringLiteral(":/icons/zone.png"), "PNG"));
    both.addPixmap(QPixmap(QStringLiteral(":/icons/zone@2x.png"), "PNG"));
    ASSERT_FALSE(both.availableSizes().isEmpty());
    for (const qreal ratio : {1.0, 2.0, 1.5})
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active})
            for (const int size : {16, 32}) {
                // A fresh icon each time: the first request decides what is decoded.
                const QIcon icon = toolbarIcon(QStringLiteral("zone"));
                const QImage got = icon.pixmap(QSize(size, size), ratio, mode).toImage();
                const QImage want = both.pixmap(QSize(size, size), ratio, mode).toImage();
                EXPECT_EQ(got, want) << ratio << " " << mode << " " << size;
                EXPECT_EQ(got.devicePixelRatio(), want.devicePixelRatio());
            }
    // Painted into an image of ratio 2, as a button paints it.
    auto paint = [](const QIcon& icon) {
        QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2);
        image.fill(Qt::white);
        QPainter p(&image);
        icon.paint(&p, QRect(2, 2, 16, 16));
        return image;
    };
    EXPECT_EQ(paint(toolbarIcon(QStringLiteral("zone"))), paint(both));
    EXPECT_TRUE(toolbarIcon(QStringLiteral("no such picture")).isNull());
    EXPECT_TRUE(toolbarIcon(QStringLiteral("no-such-picture")).isNull());
    EXPECT_EQ(toolbarIcon(QStringLiteral("new")).pixmap(16, 16).size(), QSize(16, 16));
}

} // namespace
} // namespace zw
