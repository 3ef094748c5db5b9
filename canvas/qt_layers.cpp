#include "canvas/qt_layers.h"

#include "canvas/qt_painter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ranges>

namespace zw {
namespace {

bool sameSpan(const std::vector<int32_t>& kept, std::span<const int32_t> now) {
    return std::ranges::equal(kept, now);
}

// Copies the device pixels under a rectangle of logical pixels from one image
// to another of the same size and format.
void copyPixels(const QImage& from, QImage& to, const QRect& logical, double scale) {
    const int left = std::max(0, static_cast<int>(std::floor(logical.left() * scale)));
    const int top = std::max(0, static_cast<int>(std::floor(logical.top() * scale)));
    const int right =
        std::min(to.width(), static_cast<int>(std::ceil((logical.right() + 1) * scale)));
    const int bottom =
        std::min(to.height(), static_cast<int>(std::ceil((logical.bottom() + 1) * scale)));
    if (left >= right)
        return;
    const auto bytes = static_cast<size_t>(right - left) * 4;
    for (int y = top; y < bottom; ++y)
        std::memcpy(to.scanLine(y) + static_cast<ptrdiff_t>(left) * 4,
                    from.constScanLine(y) + static_cast<ptrdiff_t>(left) * 4, bytes);
}

} // namespace

bool CanvasLayers::pictureOutdated(const CanvasScene& s) const {
    return !drawn_ || s.width != width_ || s.height != height_ || s.scale != scale_ ||
           !(s.view == view_) || s.dragSource != dragSource_ ||
           !sameSpan(selectedZones_, s.overlay.selectedZones) ||
           !sameSpan(selectedConnections_, s.overlay.selectedConnections) || s.rmg != rmg_ ||
           s.revision != revision_;
}

QRegion CanvasLayers::marksRegion(const CanvasScene& s) const {
    QRegion region;
    for (const PixelRect& r : transientMarksArea(*s.rmg, s.view, s.overlay, s.width, s.height))
        region += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    return region;
}

QRegion CanvasLayers::changedArea(const CanvasScene& s) const {
    if (pictureOutdated(s))
        return QRegion(0, 0, std::max(s.width, 0), std::max(s.height, 0));
    return marks_ + marksRegion(s);
}

void CanvasLayers::update(const CanvasScene& s) {
    if (pictureOutdated(s)) {
        CanvasOverlay selection;
        selection.selectedZones = s.overlay.selectedZones;
        selection.selectedConnections = s.overlay.selectedConnections;
        picture_ =
            renderToImage(*s.rmg, s.view, s.dragSource, s.width, s.height, selection, s.scale);
        ++renders_;
        rmg_ = s.rmg;
        revision_ = s.revision;
        view_ = s.view;
        width_ = s.width;
        height_ = s.height;
        scale_ = s.scale;
        dragSource_ = s.dragSource;
        selectedZones_.assign(s.overlay.selectedZones.begin(), s.overlay.selectedZones.end());
        selectedConnections_.assign(s.overlay.selectedConnections.begin(),
                                    s.overlay.selectedConnections.end());
        drawn_ = true;
        frame_ = picture_; // shared until marks are drawn on it
        marks_ = QRegion();
    }
    const QRegion marks = marksRegion(s);
    if (picture_.isNull() || (marks.isEmpty() && marks_.isEmpty()))
        return;
    if (marks.isEmpty()) {
        frame_ = picture_;
    } else {
        // The frame gets pixels of its own on the first marks of a picture;
        // after that only the places of the old marks are copied back.
        if (frame_.constBits() == picture_.constBits())
            frame_ = picture_.copy();
        else
            for (const QRect& r : marks_)
                copyPixels(picture_, frame_, r, scale_);
        QtPainter painter(frame_);
        drawTransientMarks(painter, *s.rmg, s.view, s.overlay);
    }
    marks_ = marks;
}

} // namespace zw
