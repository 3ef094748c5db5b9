// The pictures of the main window: toolbar icons and the mine icons of the
// hover panel, compiled into the program as pictures rasterised at build time.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace zw {

inline constexpr int kToolbarIconSize = 16;
inline constexpr int kMineIconWidth = 24;
inline constexpr int kMineIconHeight = 19;
inline constexpr int kMineIconCount = 7;

// The toolbar picture `name` (from resources/icons/NAME.svg) at 16 x 16 and at twice
// that for dense screens; a null icon when no such picture exists.
QIcon toolbarIcon(const QString& name);

// The editor's own picture, for its windows (the one the desktop shows for
// project files too), at the usual sizes of window icons.
QIcon applicationIcon();

// Mine icon `index` (MineIcon order: wood, mercury, ore, sulfur, crystal, gems,
// gold) at 24 x 19 on a transparent ground; a null pixmap for any other index.
QPixmap mineIcon(int index);

} // namespace zw
