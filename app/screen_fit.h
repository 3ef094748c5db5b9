// Placing a top-level window on its screen: as large as it asks to be, but
// never larger than the screen's available area (the desktop less the task
// bar), in the middle of that area with its title bar inside it.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace zw {

// The window's own geometry (without its frame) for a window that would be
// `wanted` large, with a frame of `frame` around it, on the area `area`: the
// size bounded by the area less the frame, centred, and moved right and down
// as far as needed to keep the frame's top-left corner inside the area.
QRect windowPlacement(QSize wanted, QSize frame, const QRect& area);

// Sizes and places `window` by windowPlacement on its screen's available area
// (the primary screen's before it has one), and lowers its minimum size to fit
// there too. The frame is the window's own once shown, else an allowance for
// a common title bar and borders.
void fitWindowToScreen(QWidget& window, QSize wanted, QSize minimum);

} // namespace zw
