// The main window's toolbar as one table, left to right: every button with its
// id, hint, keyboard shortcuts, the space after it, and what it does (puts a
// tool down, or runs a command). The window builds its buttons from this table;
// a new tool or command is one more row.
#pragma once

#include "editor/commands/edit_actions.h"
#include "editor/tools/tool.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

class Editor;
class Session;

// A button's id; it is also the name of its icon and, for a tool, the tool's id.
using ToolbarId = std::string_view;

enum class ToolbarSpace { None, Separator, Gap };

struct ToolbarEntry {
    ToolbarId id = {};
    // Russian, as every text of the table; shown through translated("Editor", hint).
    std::string_view hint = {};
    // Keyboard shortcuts in portable text ("Ctrl+Shift+Z") and how the hint names them.
    std::vector<std::string_view> keys = {};
    std::string_view keysText = {};
    ToolbarSpace after = ToolbarSpace::None;
    // A tool button: puts down the tool of its id (editor/tools/tool_set.h).
    bool tool = false;
    // A command button: runs the command.
    void (*run)(Session&) = nullptr;
    // Whether the button can be pressed now; nullptr: always.
    bool (*enabled)(const Editor&) = nullptr;
    // What the button would act on now, added to its hint ("Шаг назад:
    // Перемещение 3 локаций"); nullptr or an empty text: the hint alone.
    std::string (*detail)(const Editor&) = nullptr;
    // A command button that stays down while what it opens is shown; the
    // window keeps it in step.
    bool checkable = false;
    // A menu button: opens the drop-down menu of these actions when pressed.
    const std::vector<EditAction>& (*menu)() = nullptr;

    bool isTool() const { return tool; }
};

const std::vector<ToolbarEntry>& toolbarEntries();

// Keyboard commands that have no button: select all, Esc, Delete, zoom to fit,
// go to a zone.
struct ShortcutEntry {
    std::vector<std::string_view> keys = {};
    void (*run)(Editor&) = nullptr;
    // Whether the command has something to act on now; nullptr: always.
    bool (*enabled)(const Editor&) = nullptr;
};
const std::vector<ShortcutEntry>& shortcutEntries();
// The entry of `id`, or nullptr.
const ToolbarEntry* findToolbarEntry(ToolbarId id);

} // namespace zw
