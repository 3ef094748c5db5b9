// The editing commands on the selection that the window offers outside the
// toolbar's own buttons: the clipboard keys, and the entries of the symmetry
// button's drop-down menu. One table each, so that the window builds its
// actions and menus from them and tests name the same entries.
#pragma once

#include <string_view>
#include <vector>

namespace zw {

class Editor;

struct EditAction {
    std::string_view id = {};
    std::string_view text =
        {}; // the menu entry's text (Russian; shown through translated("Editor", text))
    // Keyboard shortcuts in portable text ("Ctrl+C").
    std::vector<std::string_view> keys = {};
    void (*run)(Editor&) = nullptr;
    // Whether the action can be taken now; nullptr: always.
    bool (*enabled)(const Editor&) = nullptr;
};

// Copy, cut and paste (Ctrl+C, Ctrl+X, Ctrl+V).
const std::vector<EditAction>& clipboardActions();
// Mirror left-right, mirror top-bottom, rotate by 90°, 180°, 270°, duplicate
// for players; all need a selected zone.
const std::vector<EditAction>& symmetryActions();
// The entry of `id` in either table, or nullptr.
const EditAction* findEditAction(std::string_view id);

} // namespace zw
