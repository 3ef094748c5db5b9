#include "editor/commands/edit_actions.h"

#include "editor/commands/clipboard_commands.h"
#include "editor/commands/symmetry_commands.h"
#include "editor/editor.h"
#include "model/translation.h"

namespace zw {
namespace {

bool zonesSelected(const Editor& e) {
    return !e.selection().zones().empty();
}

} // namespace

const std::vector<EditAction>& clipboardActions() {
    static const std::vector<EditAction> actions = {
        {.id = "copy-selection",
         .text = ZW_TR_NOOP("Editor", "Копировать"),
         .keys = {"Ctrl+C"},
         .run = copySelection,
         .enabled = zonesSelected},
        {.id = "cut-selection",
         .text = ZW_TR_NOOP("Editor", "Вырезать"),
         .keys = {"Ctrl+X"},
         .run = cutSelection,
         .enabled = zonesSelected},
        {.id = "paste",
         .text = ZW_TR_NOOP("Editor", "Вставить"),
         .keys = {"Ctrl+V"},
         .run = pasteClipboard},
    };
    return actions;
}

const std::vector<EditAction>& symmetryActions() {
    static const std::vector<EditAction> actions = {
        {.id = "mirror-left-right",
         .text = ZW_TR_NOOP("Editor", "Отразить слева направо"),
         .run = [](Editor& e) { transformSelection(e, Symmetry::MirrorLeftRight); },
         .enabled = zonesSelected},
        {.id = "mirror-top-bottom",
         .text = ZW_TR_NOOP("Editor", "Отразить сверху вниз"),
         .run = [](Editor& e) { transformSelection(e, Symmetry::MirrorTopBottom); },
         .enabled = zonesSelected},
        {.id = "rotate-90",
         .text = ZW_TR_NOOP("Editor", "Повернуть на 90°"),
         .keys = {"Ctrl+R"},
         .run = [](Editor& e) { transformSelection(e, Symmetry::Rotate90); },
         .enabled = zonesSelected},
        {.id = "rotate-180",
         .text = ZW_TR_NOOP("Editor", "Повернуть на 180°"),
         .run = [](Editor& e) { transformSelection(e, Symmetry::Rotate180); },
         .enabled = zonesSelected},
        {.id = "rotate-270",
         .text = ZW_TR_NOOP("Editor", "Повернуть на 270°"),
         .run = [](Editor& e) { transformSelection(e, Symmetry::Rotate270); },
         .enabled = zonesSelected},
        {.id = "duplicate-for-players",
         .text = ZW_TR_NOOP("Editor", "Дублировать для игроков…"),
         .keys = {"Ctrl+D"},
         .run = duplicateSelectionForPlayers,
         .enabled = zonesSelected},
    };
    return actions;
}

const EditAction* findEditAction(std::string_view id) {
    for (const auto* table : {&clipboardActions(), &symmetryActions()})
        for (const EditAction& action : *table)
            if (action.id == id)
                return &action;
    return nullptr;
}

} // namespace zw
