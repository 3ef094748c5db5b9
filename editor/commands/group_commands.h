// The commands on the selected zones: the clipboard (copy, cut, paste),
// mirroring and rotating in place, duplicating for other players, and the zone
// dialog on several zones. Each change is one history step; a refusal shows
// its message and changes nothing.
#pragma once

#include "editor/selection.h"
#include "model/transform.h"

namespace zw {

class Editor;

// Puts the selected zones and the connections between them on the clipboard.
// Nothing happens without a selected zone.
void copySelection(Editor& editor);
// Copies, then deletes the selected zones with their connections: one step.
void cutSelection(Editor& editor);
// Pastes the clipboard's fragment at the grid node under the pointer, or, with
// the pointer outside the canvas, at the fragment's own place (beside its
// originals). The pasted zones become the selection.
void pasteClipboard(Editor& editor);

// Mirrors or rotates the selected zones about the centre of their extent.
void transformSelection(Editor& editor, Symmetry s);
// Asks the owner pairs and the transform, then appends the transformed copy
// beside the selection (model/transform.h, duplicateNode); the originals stay
// selected, so that the group can be duplicated again for the next player.
void duplicateSelectionForPlayers(Editor& editor);

// The zone dialog on every selected zone; OK writes the changed fields into
// each as one step.
void editSelectedZones(Editor& editor);

// Shared by these commands: a refusal's message box, and the changed template
// put in place as one step, with `selected` as the new selection.
void refuseGroupEdit(Editor& editor, std::string_view message);
void commitGroupEdit(Editor& editor, std::string_view stepName, TRmg changed, Selection selected);

} // namespace zw
