// Load: a project file into the editor.
#pragma once

namespace zw {

class Editor;

// Loads a project: the pending command-line path when one is set, else the
// open dialog; after the question about unsaved changes.
void loadProject(Editor& editor);

} // namespace zw
