// Commands on the selection and the view: delete the selected items, zoom to
// fit every zone, and bring a zone to the middle of the canvas.
#pragma once

#include "editor/document.h"
#include "editor/selection.h"
#include "editor/view_controller.h"
#include "platform/services.h"

#include <optional>
#include <string>
#include <string_view>

namespace zw {

class Editor;

inline constexpr std::string_view kGoToZoneTitle = "Перейти к локации";
inline constexpr std::string_view kGoToZoneLabel = "Номер локации:";

// The Yes/No question before the selection is deleted: the counts of the
// zones, of the connections that go with them and of the connections
// selected on their own.
std::string deleteSelectionQuestion(size_t zones, size_t attached, size_t alone);

// Deletes the selected zones with every connection that touches them, and
// the selected connections, after one question. One history step; the
// selection is empty afterwards. Nothing happens when the selection is empty
// or the answer is No.
void deleteSelection(Editor& editor);

// The closest zoom at which every zone fits on the canvas, with the origin
// that shows them all; with no zones, the start view.
void zoomToFit(const TRmg& t, ViewController& view);

// Asks for a zone number and brings that zone to the middle of the canvas;
// the zone's index, none when the question was cancelled.
std::optional<int> goToZone(const TRmg& t, ViewController& view, Services& services);

} // namespace zw
