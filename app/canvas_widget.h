// The map canvas of the main window: shows the picture the renderer draws and
// hands pointer events to the editor in canvas pixels.
#pragma once

#include <QImage>
#include <QWidget>

namespace zw {

class Editor;

class CanvasWidget : public QWidget {
    Q_OBJECT
  public:
    CanvasWidget(Editor& editor, QWidget* parent = nullptr);

    // Marks the picture out of date and schedules a repaint. Several requests
    // before the next paint are drawn once.
    void redraw();
    // The current picture, drawn first when it is out of date. It has the
    // widget's device pixel ratio: its logical size is the canvas size.
    const QImage& picture();
    // How many pictures have been drawn (for tests).
    int renderCount() const { return renders_; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

  private:
    Editor& editor_;
    QImage picture_;
    bool dirty_ = true;
    int renders_ = 0;
};

} // namespace zw
