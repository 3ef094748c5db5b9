// A pointer for window tests: moves, presses and releases go to the main
// window's native window the way the window system delivers them, so Qt picks
// the widget under the pointer (the canvas, or the hover panel lying over it)
// and keeps a pressed button's events with the widget that got the press.
// Positions are given in canvas pixels. Header only: the window tests alone
// include it, the core tests never build it.
#pragma once

#include "app/canvas_widget.h"
#include "app/main_window.h"
#include "canvas/geometry.h"
#include "support/toolbar_ids.h"

#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <cmath>
#include <optional>

namespace zw {

class WindowPointer {
  public:
    explicit WindowPointer(MainWindow& window) : window_(window) {}

    // The canvas pixel at the centre of node (gx, gy) under the current view.
    QPoint node(int32_t gx, int32_t gy) const {
        const PixelPoint p = nodeToPixel(window_.editor().viewController().state(), gx, gy);
        return {p.x, p.y};
    }
    QPoint zone(int k) const {
        const ZoneRecord& z = window_.editor().document().rmg().zones.at(static_cast<size_t>(k));
        return node(z.gridX, z.gridY);
    }
    // A point on connection j, `fraction` of the way from its zoneA to its zoneB.
    QPoint onConnection(int j, double fraction = 0.5) const {
        const ConnectionRecord& c =
            window_.editor().document().rmg().connections.at(static_cast<size_t>(j));
        const QPoint a = zone(c.zoneA);
        const QPoint b = zone(c.zoneB);
        return {static_cast<int>(std::lround(a.x() + (b.x() - a.x()) * fraction)),
                static_cast<int>(std::lround(a.y() + (b.y() - a.y()) * fraction))};
    }

    // A pointer movement to a canvas pixel. The window system reports no
    // movement to where the pointer already is, so a repeated position is
    // reached by way of the pixel beside it, as a hand on a mouse would.
    void moveTo(QPoint canvasPos) {
        if (last_ && *last_ == canvasPos)
            send(QEvent::MouseMove, Qt::NoButton, canvasPos + QPoint(1, 0));
        send(QEvent::MouseMove, Qt::NoButton, canvasPos);
    }
    // Every press and release comes after a movement to its point.
    void press(QPoint canvasPos, Qt::MouseButton b = Qt::LeftButton) {
        moveTo(canvasPos);
        send(QEvent::MouseButtonPress, b, canvasPos);
    }
    void release(QPoint canvasPos, Qt::MouseButton b = Qt::LeftButton) {
        moveTo(canvasPos);
        send(QEvent::MouseButtonRelease, b, canvasPos);
    }
    void click(QPoint canvasPos, Qt::MouseButton b = Qt::LeftButton) {
        press(canvasPos, b);
        send(QEvent::MouseButtonRelease, b, canvasPos);
    }
    // Press at `from`, pass over the way in between, release at `to`.
    void drag(QPoint from, QPoint to) {
        press(from);
        moveTo((from + to) / 2);
        release(to);
    }

    // A click on a toolbar button.
    void clickButton(ToolbarId id) {
        QToolButton* b = window_.button(id);
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
    }
    // Puts a tool button down, clicking it only when it is up.
    void selectTool(ToolbarId id) {
        if (!window_.button(id)->isChecked())
            clickButton(id);
    }

  private:
    void send(QEvent::Type type, Qt::MouseButton b, QPoint canvasPos) {
        QWindow* native = window_.windowHandle();
        const QPoint at = window_.canvas()->mapTo(&window_, canvasPos);
        if (type == QEvent::MouseButtonPress)
            QTest::mousePress(native, b, Qt::NoModifier, at);
        else if (type == QEvent::MouseButtonRelease)
            QTest::mouseRelease(native, b, Qt::NoModifier, at);
        else
            QTest::mouseMove(native, at);
        last_ = canvasPos;
    }

    MainWindow& window_;
    std::optional<QPoint> last_;
};

} // namespace zw
