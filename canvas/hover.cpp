// The hover logic of the canvas: the item under the pointer and the information panel.
#include "model/editor.h"

namespace zw {

void Editor::mouseMove(int32_t, int32_t) {}

} // namespace zw
