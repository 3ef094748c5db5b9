#include "editor/commands/group_edit.h"

#include "editor/editor.h"

namespace zw {

void refuseGroupEdit(Editor& editor, std::string_view message) {
    editor.services().messageBox(message, MessageKind::Error, MessageButtons::Ok);
}

void commitGroupEdit(Editor& editor, std::string_view stepName, TRmg changed, Selection selected) {
    editor.document().commit(stepName, std::move(changed));
    editor.setSelection(std::move(selected));
}

} // namespace zw
