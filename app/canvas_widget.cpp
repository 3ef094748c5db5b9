#include "app/canvas_widget.h"

#include "canvas/qt_painter.h"
#include "editor/editor.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zw {
namespace {

QPoint pixelOf(const QMouseEvent* e) {
    const QPointF p = e->position();
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

} // namespace

CanvasWidget::CanvasWidget(Editor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    // The picture covers every pixel: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CanvasScene CanvasWidget::scene(const CanvasOverlay& overlay) const {
    // The screen's device pixel ratio (1.25, 1.5, 2 on many laptops): the
    // picture is drawn at the screen's own resolution, so lines and text stay
    // sharp, while its geometry stays in the widget's logical pixels. Moving
    // the window to a screen of another ratio draws the picture anew.
    return CanvasScene{.rmg = &editor_.document().rmg(),
                       .revision = editor_.document().revision(),
                       .view = editor_.viewController().state(),
                       .width = std::max(1, editor_.viewController().canvasWidth()),
                       .height = std::max(1, editor_.viewController().canvasHeight()),
                       .scale = devicePixelRatioF(),
                       .dragSource = editor_.dragSource(),
                       .overlay = overlay};
}

void CanvasWidget::redraw() {
    // The overlay's spans point into the selection: kept while it is used.
    const CanvasOverlay overlay = editor_.canvasOverlay();
    update(layers_.changedArea(scene(overlay)));
}

const QImage& CanvasWidget::picture() {
    const CanvasOverlay overlay = editor_.canvasOverlay();
    layers_.update(scene(overlay));
    return layers_.frame();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QImage& img = picture();
    // The painter is clipped to the parts asked for, and only those are
    // copied: during a drag, the places of the marks. An image with a device
    // pixel ratio is drawn at its logical size.
    p.drawImage(0, 0, img);
    // Any strip the picture does not cover (only while a resize is on its way).
    const QSizeF covered = img.deviceIndependentSize();
    const int coveredWidth = static_cast<int>(covered.width());
    const int coveredHeight = static_cast<int>(covered.height());
    if (coveredWidth < width())
        p.fillRect(coveredWidth, 0, width() - coveredWidth, height(), QColor(192, 192, 192));
    if (coveredHeight < height())
        p.fillRect(0, coveredHeight, width(), height() - coveredHeight, QColor(192, 192, 192));
}

void CanvasWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    editor_.viewController().setCanvasSize(width(), height());
}

void CanvasWidget::mousePressEvent(QMouseEvent* e) {
    const QPoint p = pixelOf(e);
    if (e->button() == Qt::LeftButton)
        editor_.leftPress(p.x(), p.y(),
                          PressModifiers{.ctrl = e->modifiers().testFlag(Qt::ControlModifier)});
    else if (e->button() == Qt::RightButton)
        editor_.rightPress(p.x(), p.y());
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = pixelOf(e);
    editor_.mouseMove(p.x(), p.y());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        const QPoint p = pixelOf(e);
        editor_.leftRelease(p.x(), p.y());
    }
}

void CanvasWidget::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    editor_.pointerLeft();
}

} // namespace zw
