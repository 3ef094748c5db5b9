// The question before the main window closes.
#include "editor/commands/close_request.h"

#include "editor/commands/new_template.h"
#include "editor/editor.h"

namespace zw {

bool closeRequest(Editor& editor) {
    if (!saveChangesFirst(editor))
        return false;
    editor.dropRecoveryCopy();
    return true;
}

} // namespace zw
