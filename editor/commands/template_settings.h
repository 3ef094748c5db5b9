// The template settings dialog.
#pragma once

namespace zw {

class Editor;

// The template settings dialog; OK stores the settings as one step.
void editTemplateSettings(Editor& editor);

} // namespace zw
