// Mirroring, rotating and duplicating the selected zones (model/transform.h).
#pragma once

#include "model/transform.h"

namespace zw {

class Editor;

// Mirrors or rotates the selected zones about the centre of their extent.
void transformSelection(Editor& editor, Symmetry s);
// Asks the owner pairs and the transform, then appends the transformed copy
// beside the selection (model/transform.h, duplicateNode); the originals stay
// selected, so that the group can be duplicated again for the next player.
void duplicateSelectionForPlayers(Editor& editor);

} // namespace zw
