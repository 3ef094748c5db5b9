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

void CanvasWidget::redraw() {
    dirty_ = true;
    update();
}

const QImage& CanvasWidget::picture() {
    if (dirty_) {
        const int w = std::max(1, editor_.canvasWidth());
        const int h = std::max(1, editor_.canvasHeight());
        // The new picture replaces the old one in one step.
        picture_ = renderToImage(editor_.rmg(), editor_.view(), editor_.dragSource(), w, h);
        dirty_ = false;
        ++renders_;
    }
    return picture_;
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QImage& img = picture();
    p.drawImage(0, 0, img);
    // Any strip the picture does not cover (only while a resize is on its way).
    if (img.width() < width())
        p.fillRect(img.width(), 0, width() - img.width(), height(), QColor(192, 192, 192));
    if (img.height() < height())
        p.fillRect(0, img.height(), width(), height() - img.height(), QColor(192, 192, 192));
}

void CanvasWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    editor_.setCanvasSize(width(), height());
}

void CanvasWidget::mousePressEvent(QMouseEvent* e) {
    const QPoint p = pixelOf(e);
    if (e->button() == Qt::LeftButton)
        editor_.leftPress(p.x(), p.y());
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
