// The canvas as two layers: the template's picture, drawn only when what it
// shows changes, and the transient marks of a drag (the ghosts, the line being
// drawn, the rubber band), put over a copy of it at every pointer move.
#pragma once

#include "canvas/render.h"
#include "model/records.h"

#include <QImage>
#include <QRegion>

#include <cstdint>
#include <vector>

namespace zw {

// What the canvas shows: the template and its revision (a count that changes
// whenever the template does), the view and the canvas's size in
// logical pixels, the device pixel ratio, the item being dragged and the
// overlay (selection and marks). Pointers and spans must stay valid for the
// call they are passed to.
struct CanvasScene {
    const TRmg* rmg = nullptr;
    uint64_t revision = 0;
    ViewState view;
    int width = 0;
    int height = 0;
    double scale = 1.0;
    ItemRef dragSource = 0;
    CanvasOverlay overlay;
};

class CanvasLayers {
  public:
    // Whether the picture must be drawn anew for the scene: the template, the
    // view, the size, the ratio, the dragged item or the selection differ from
    // those it was drawn from. The template is told by its place and revision,
    // not by its content. The marks are left out.
    bool pictureOutdated(const CanvasScene& scene) const;
    // The part of the canvas (logical pixels) that changes when the frame is
    // brought to the scene: all of it when the picture is outdated, else the
    // places of the marks shown now and of the scene's.
    QRegion changedArea(const CanvasScene& scene) const;
    // Brings the frame to the scene: draws the picture anew when it is
    // outdated, then takes the old marks off and puts the scene's on.
    void update(const CanvasScene& scene);
    // The picture with the marks, at the scene's device pixel ratio; null
    // before the first update or for an empty canvas.
    const QImage& frame() const { return frame_; }
    // How many times the picture has been drawn.
    int pictureRenders() const { return renders_; }

  private:
    QRegion marksRegion(const CanvasScene& scene) const;

    // What the picture was drawn from.
    const TRmg* rmg_ = nullptr;
    uint64_t revision_ = 0;
    ViewState view_;
    int width_ = 0;
    int height_ = 0;
    double scale_ = 0;
    ItemRef dragSource_ = 0;
    std::vector<int32_t> selectedZones_;
    std::vector<int32_t> selectedConnections_;
    bool drawn_ = false;

    QImage picture_;
    QImage frame_;
    QRegion marks_; // where the frame differs from the picture
    int renders_ = 0;
};

} // namespace zw
