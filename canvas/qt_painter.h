// QPainter implementation of the canvas painter, drawing into an off-screen image.
#pragma once

#include "canvas/painter.h"
#include "model/records.h"

#include <QImage>

namespace zw {

// Draws the whole canvas picture of the template into a new W x H image.
QImage renderToImage(const TRmg& t, const ViewState& view, ItemRef dragSource, int width,
                     int height);

} // namespace zw
