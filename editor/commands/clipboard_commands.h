// The clipboard commands: the selection travels as a JSON fragment
// (model/fragment.h) through the system clipboard.
#pragma once

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

} // namespace zw
