#include "editor/toolbar.h"

#include "editor/commands/check_command.h"
#include "editor/commands/compile_command.h"
#include "editor/commands/delete_selection.h"
#include "editor/commands/import_command.h"
#include "editor/commands/load_project.h"
#include "editor/commands/new_template.h"
#include "editor/commands/pattern_command.h"
#include "editor/commands/readme_command.h"
#include "editor/commands/save_project.h"
#include "editor/commands/template_settings.h"
#include "editor/commands/view_commands.h"
#include "editor/editor.h"
#include "editor/tools/copy_tool.h"
#include "editor/tools/create_connection_tool.h"
#include "editor/tools/create_zone_tool.h"
#include "editor/tools/delete_tool.h"
#include "editor/tools/move_tool.h"
#include "editor/tools/selection_tool.h"

namespace zw {

namespace {

constexpr auto kNever = [](const Editor&) { return false; };

} // namespace

const std::vector<ToolbarEntry>& toolbarEntries() {
    using enum ToolbarSpace;
    static const std::vector<ToolbarEntry> entries = {
        {.id = "new",
         .hint = "Создать новый шаблон",
         .keys = {"Ctrl+N"},
         .keysText = "Ctrl+N",
         .run = newTemplate},
        {.id = "pattern", .hint = "Создать шаблон по образцу", .run = newFromPattern},
        {.id = "open",
         .hint = "Загрузить проект шаблона",
         .keys = {"Ctrl+O"},
         .keysText = "Ctrl+O",
         .run = loadProject},
        {.id = "save",
         .hint = "Сохранить проект шаблона",
         .keys = {"Ctrl+S"},
         .keysText = "Ctrl+S",
         .run = [](Editor& e) { saveProject(e); }},
        {.id = "import", .hint = "Импорт шаблона из файла rmg (beta!)", .run = importCommand},
        {.id = "compile",
         .hint = "Компилировать проект (Добавление шаблона в файл)",
         .after = Separator,
         .run = compileCommand},
        {.id = "back",
         .hint = "Шаг назад",
         .keys = {"Ctrl+Z"},
         .keysText = "Ctrl+Z",
         .run = [](Editor& e) { e.document().stepBack(); },
         .enabled = [](const Editor& e) { return e.document().canStepBack(); },
         .detail = [](const Editor& e) { return e.document().stepBackName(); }},
        {.id = "forward",
         .hint = "Шаг вперед",
         .keys = {"Ctrl+Y", "Ctrl+Shift+Z"},
         .keysText = "Ctrl+Y, Ctrl+Shift+Z",
         .after = Separator,
         .run = [](Editor& e) { e.document().stepForward(); },
         .enabled = [](const Editor& e) { return e.document().canStepForward(); },
         .detail = [](const Editor& e) { return e.document().stepForwardName(); }},
        {.id = kCreateZoneTool, .hint = "Создание локации", .makeTool = makeTool<CreateZoneTool>},
        {.id = kCreateConnectionTool,
         .hint = "Создание перехода между локациями",
         .makeTool = makeTool<CreateConnectionTool>},
        {.id = kDeleteTool,
         .hint = "Удаление локации или перехода",
         .makeTool = makeTool<DeleteTool>},
        {.id = kMoveTool, .hint = "Движение локации или перехода", .makeTool = makeTool<MoveTool>},
        {.id = kCopyTool, .hint = "Копирование локации/перехода", .makeTool = makeTool<CopyTool>},
        {.id = kSelectionTool,
         .hint = "Выделение",
         .keys = {"Ctrl+Shift+S"},
         .keysText = "Ctrl+Shift+S",
         .after = Separator,
         .makeTool = makeTool<SelectionTool>},
        {.id = "symmetry",
         .hint = "Симметрия",
         .after = Separator,
         .enabled = [](const Editor& e) { return !e.selection().zones().empty(); },
         .menu = symmetryActions},
        {.id = "settings",
         .hint = "Свойства шаблона. Чтобы попасть в свойства локации или перехода, щелкните по "
                 "нему правой конпкой.",
         .after = Separator,
         .run = editTemplateSettings},
        {.id = "zoomin",
         .hint = "Увеличить",
         .keys = {"Ctrl++", "Ctrl+="},
         .keysText = "Ctrl++",
         .run = [](Editor& e) { e.viewController().zoomIn(); },
         .enabled = [](const Editor& e) { return e.viewController().zoomInEnabled(); }},
        {.id = "zoomout",
         .hint = "Уменьшить",
         .keys = {"Ctrl+-"},
         .keysText = "Ctrl+-",
         .after = Separator,
         .run = [](Editor& e) { e.viewController().zoomOut(); },
         .enabled = [](const Editor& e) { return e.viewController().zoomOutEnabled(); }},
        {.id = "readme", .hint = "Readme&help", .run = openReadme},
        {.id = "check",
         .hint = "Проверка шаблона на наличие ошибок",
         .after = Gap,
         .run = checkCommand},
        // The scroll buttons stay disabled; the keys and the scroll bars move the view.
        {.id = "up",
         .hint = "Двигатся вверх",
         .run = [](Editor& e) { e.viewController().keyChar(U'w'); },
         .enabled = kNever},
        {.id = "down",
         .hint = "Двигатся вниз",
         .run = [](Editor& e) { e.viewController().keyChar(U's'); },
         .enabled = kNever},
        {.id = "left",
         .hint = "Двигатся влево",
         .run = [](Editor& e) { e.viewController().keyChar(U'a'); },
         .enabled = kNever},
        {.id = "right",
         .hint = "Двигатся вправо",
         .run = [](Editor& e) { e.viewController().keyChar(U'd'); },
         .enabled = kNever},
        {.id = "origin",
         .hint = "Вернутся в начало координат",
         .run = [](Editor& e) { e.viewController().setOrigin(0, 0); },
         .enabled = kNever},
        {.id = "analysis",
         .hint = "Анализ шаблона",
         .keys = {"Ctrl+Shift+A"},
         .keysText = "Ctrl+Shift+A",
         .run = [](Editor& e) { e.toggleAnalysisPanel(); },
         .checkable = true},
    };
    return entries;
}

const std::vector<ShortcutEntry>& shortcutEntries() {
    static const std::vector<ShortcutEntry> entries = {
        {.keys = {"Ctrl+A"}, .run = [](Editor& e) { e.selectAll(); }},
        {.keys = {"Esc"}, .run = [](Editor& e) { e.escape(); }},
        {.keys = {"Del"},
         .run = deleteSelection,
         .enabled = [](const Editor& e) { return !e.selection().empty(); }},
        {.keys = {"Ctrl+0"}, .run = zoomToFit},
        {.keys = {"Ctrl+G"}, .run = goToZone},
    };
    return entries;
}

const ToolbarEntry* findToolbarEntry(ToolbarId id) {
    for (const ToolbarEntry& entry : toolbarEntries())
        if (entry.id == id)
            return &entry;
    return nullptr;
}

} // namespace zw
