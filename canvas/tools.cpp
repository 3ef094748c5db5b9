// The mouse editing tools and the hover logic of the canvas.
#include "model/editor.h"

namespace zw {

void Editor::leftPress(int32_t, int32_t) {}
void Editor::leftRelease(int32_t, int32_t) {}
void Editor::rightPress(int32_t, int32_t) {}
void Editor::createZoneAt(int32_t, int32_t) {}
void Editor::deleteAt() {}
void Editor::releaseConnection() {}
void Editor::releaseMoveCopy(int32_t, int32_t) {}

} // namespace zw
