#include "app/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace zw {

QRect windowPlacement(QSize wanted, QSize frame, const QRect& area) {
    const QSize room = (area.size() - frame).expandedTo(QSize(1, 1));
    const QSize size = wanted.boundedTo(room);
    const QSize outer = size + frame;
    // The frame's top-left corner: centred, never above or left of the area.
    const int left = std::max(area.left(), area.center().x() - outer.width() / 2);
    const int top = std::max(area.top(), area.center().y() - outer.height() / 2);
    // The window's own area lies within the frame: the side borders share the
    // frame's width, the title bar takes the rest of its height.
    const int side = frame.width() / 2;
    return QRect(QPoint(left + side, top + frame.height() - side), size);
}

void fitWindowToScreen(QWidget& window, QSize wanted, QSize minimum) {
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        window.setMinimumSize(minimum);
        window.resize(wanted);
        return;
    }
    QSize frame = window.frameGeometry().size() - window.geometry().size();
    if (!window.isVisible() || frame.height() <= 0)
        frame = QSize(16, 40);
    const QRect area = screen->availableGeometry();
    const QRect placed = windowPlacement(wanted, frame, area);
    window.setMinimumSize(minimum.boundedTo(placed.size()));
    window.resize(placed.size());
    window.move(placed.topLeft() - QPoint(frame.width() / 2, frame.height() - frame.width() / 2));
}

} // namespace zw
