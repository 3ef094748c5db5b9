// The question before the main window closes.
#pragma once

namespace zw {

class Editor;

// Whether the main window may close (asks about unsaved changes). A clean
// close leaves nothing to recover.
bool closeRequest(Editor& editor);

} // namespace zw
