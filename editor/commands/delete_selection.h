// Deleting the selected zones and connections.
#pragma once

#include <cstddef>
#include <string>

namespace zw {

class Editor;

// The Yes/No question before the selection is deleted: the counts of the
// zones, of the connections that go with them and of the connections
// selected on their own.
std::string deleteSelectionQuestion(size_t zones, size_t attached, size_t alone);

// Deletes the selected zones with every connection that touches them, and
// the selected connections, after one question. One history step; the
// selection is empty afterwards. Nothing happens when the selection is empty
// or the answer is No.
void deleteSelection(Editor& editor);

} // namespace zw
