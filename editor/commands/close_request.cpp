// The question before the main window closes.
#include "editor/commands/project_commands.h"
#include "editor/editor.h"

namespace zw {

bool closeRequest(Editor& editor) {
    return saveChangesFirst(editor);
}

} // namespace zw
