// Commands on the view: zoom to fit every zone, and go to a zone.
#pragma once

#include "model/translation.h"
#include <string_view>

namespace zw {

class Editor;

// Russian; shown through translated("Editor", ...).
inline constexpr std::string_view kGoToZoneTitle = ZW_TR_NOOP("Editor", "Перейти к локации");
inline constexpr std::string_view kGoToZoneLabel = ZW_TR_NOOP("Editor", "Номер локации:");

// The closest zoom at which every zone fits on the canvas, with the origin
// that shows them all; with no zones, the start view.
void zoomToFit(Editor& editor);

// Asks for a zone number, brings that zone to the middle of the canvas and
// selects it; nothing happens when the question is cancelled.
void goToZone(Editor& editor);

} // namespace zw
