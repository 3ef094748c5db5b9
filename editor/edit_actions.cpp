#include "editor/edit_actions.h"

#include "editor/editor.h"

namespace zw {
namespace {

bool zonesSelected(const Editor& e) {
    return e.hasSelectedZones();
}

} // namespace

const std::vector<EditAction>& clipboardActions() {
    static const std::vector<EditAction> actions = {
        {.id = "copy-selection",
         .text = "Копировать",
         .keys = {"Ctrl+C"},
         .run = [](Editor& e) { e.copySelection(); },
         .enabled = zonesSelected},
        {.id = "cut-selection",
         .text = "Вырезать",
         .keys = {"Ctrl+X"},
         .run = [](Editor& e) { e.cutSelection(); },
         .enabled = zonesSelected},
        {.id = "paste",
         .text = "Вставить",
         .keys = {"Ctrl+V"},
         .run = [](Editor& e) { e.paste(); }},
    };
    return actions;
}

const std::vector<EditAction>& symmetryActions() {
    static const std::vector<EditAction> actions = {
        {.id = "mirror-left-right",
         .text = "Отразить слева направо",
         .run = [](Editor& e) { e.transformSelection(Symmetry::MirrorLeftRight); },
         .enabled = zonesSelected},
        {.id = "mirror-top-bottom",
         .text = "Отразить сверху вниз",
         .run = [](Editor& e) { e.transformSelection(Symmetry::MirrorTopBottom); },
         .enabled = zonesSelected},
        {.id = "rotate-90",
         .text = "Повернуть на 90°",
         .keys = {"Ctrl+R"},
         .run = [](Editor& e) { e.transformSelection(Symmetry::Rotate90); },
         .enabled = zonesSelected},
        {.id = "rotate-180",
         .text = "Повернуть на 180°",
         .run = [](Editor& e) { e.transformSelection(Symmetry::Rotate180); },
         .enabled = zonesSelected},
        {.id = "rotate-270",
         .text = "Повернуть на 270°",
         .run = [](Editor& e) { e.transformSelection(Symmetry::Rotate270); },
         .enabled = zonesSelected},
        {.id = "duplicate-for-players",
         .text = "Дублировать для игроков…",
         .keys = {"Ctrl+D"},
         .run = [](Editor& e) { e.duplicateForPlayers(); },
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
