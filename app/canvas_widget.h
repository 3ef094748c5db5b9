// The map canvas of the main window: shows the picture the renderer draws and
// hands pointer events to the editor in canvas pixels. The template's picture
// is kept between paints and drawn anew only when the template, the view or
// the selection changes; the marks of a drag are put over it in the paint
// event, and only the places they left and took are painted again.
#pragma once

#include "canvas/qt_layers.h"

#include <QImage>
#include <QWidget>

namespace zw {

class Editor;

class CanvasWidget : public QWidget {
    Q_OBJECT
  public:
    CanvasWidget(Editor& editor, QWidget* parent = nullptr);

    // Schedules a repaint of what changed in the editor's state: the whole
    // canvas when the picture is out of date, else the places of the drag's
    // marks. Several requests before the next paint are drawn once.
    void redraw();
    // What the canvas shows: the picture, drawn first when it is out of date,
    // with the marks of a drag over it. It has the widget's device pixel
    // ratio: its logical size is the canvas size.
    const QImage& picture();
    // How many times the template's picture has been drawn (for tests).
    int renderCount() const { return layers_.pictureRenders(); }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

  private:
    CanvasScene scene(const CanvasOverlay& overlay) const;

    Editor& editor_;
    CanvasLayers layers_;
};

} // namespace zw
