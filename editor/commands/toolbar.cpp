#include "editor/commands/toolbar.h"

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
#include "editor/session.h"
#include "editor/tools/copy_tool.h"
#include "editor/tools/create_connection_tool.h"
#include "editor/tools/create_zone_tool.h"
#include "editor/tools/delete_tool.h"
#include "editor/tools/move_tool.h"
#include "editor/tools/selection_tool.h"
#include "model/translation.h"

namespace zw {

namespace {

constexpr auto kNever = [](const Editor&) { return false; };

// A command on the editor alone, run from the session's button.
template <void (*Command)(Editor&)> void onEditor(Session& session) {
    Command(session.editor());
}

} // namespace

const std::vector<ToolbarEntry>& toolbarEntries() {
    using enum ToolbarSpace;
    static const std::vector<ToolbarEntry> entries = {
        {.id = "new",
         .hint = ZW_TR_NOOP("Editor", "Создать новый шаблон"),
         .keys = {"Ctrl+N"},
         .keysText = "Ctrl+N",
         .run = newTemplate},
        {.id = "pattern",
         .hint = ZW_TR_NOOP("Editor", "Создать шаблон по образцу"),
         .run = newFromPattern},
        {.id = "open",
         .hint = ZW_TR_NOOP("Editor", "Загрузить проект шаблона"),
         .keys = {"Ctrl+O"},
         .keysText = "Ctrl+O",
         .run = loadProject},
        {.id = "save",
         .hint = ZW_TR_NOOP("Editor", "Сохранить проект шаблона"),
         .keys = {"Ctrl+S"},
         .keysText = "Ctrl+S",
         .run = [](Session& s) { saveProject(s); }},
        {.id = "import",
         .hint = ZW_TR_NOOP("Editor", "Импорт шаблона из файла rmg (beta!)"),
         .run = importCommand},
        {.id = "compile",
         .hint = ZW_TR_NOOP("Editor", "Компилировать проект (Добавление шаблона в файл)"),
         .after = Separator,
         .run = onEditor<compileCommand>},
        {.id = "back",
         .hint = ZW_TR_NOOP("Editor", "Шаг назад"),
         .keys = {"Ctrl+Z"},
         .keysText = "Ctrl+Z",
         .run = [](Session& s) { s.editor().document().stepBack(); },
         .enabled = [](const Editor& e) { return e.document().canStepBack(); },
         .detail = [](const Editor& e) { return e.document().stepBackName(); }},
        {.id = "forward",
         .hint = ZW_TR_NOOP("Editor", "Шаг вперед"),
         .keys = {"Ctrl+Y", "Ctrl+Shift+Z"},
         .keysText = "Ctrl+Y, Ctrl+Shift+Z",
         .after = Separator,
         .run = [](Session& s) { s.editor().document().stepForward(); },
         .enabled = [](const Editor& e) { return e.document().canStepForward(); },
         .detail = [](const Editor& e) { return e.document().stepForwardName(); }},
        {.id = kCreateZoneTool, .hint = ZW_TR_NOOP("Editor", "Создание локации"), .tool = true},
        {.id = kCreateConnectionTool,
         .hint = ZW_TR_NOOP("Editor", "Создание перехода между локациями"),
         .tool = true},
        {.id = kDeleteTool,
         .hint = ZW_TR_NOOP("Editor", "Удаление локации или перехода"),
         .tool = true},
        {.id = kMoveTool,
         .hint = ZW_TR_NOOP("Editor", "Движение локации или перехода"),
         .tool = true},
        {.id = kCopyTool,
         .hint = ZW_TR_NOOP("Editor", "Копирование локации/перехода"),
         .tool = true},
        {.id = kSelectionTool,
         .hint = ZW_TR_NOOP("Editor", "Выделение"),
         .keys = {"Ctrl+Shift+S"},
         .keysText = "Ctrl+Shift+S",
         .after = Separator,
         .tool = true},
        {.id = "symmetry",
         .hint = ZW_TR_NOOP("Editor", "Симметрия"),
         .after = Separator,
         .enabled = [](const Editor& e) { return !e.selection().zones().empty(); },
         .menu = symmetryActions},
        {.id = "settings",
         .hint = ZW_TR_NOOP(
             "Editor",
             "Свойства шаблона. Чтобы попасть в свойства локации или перехода, щелкните по "
             "нему правой конпкой."),
         .after = Separator,
         .run = onEditor<editTemplateSettings>},
        {.id = "zoomin",
         .hint = ZW_TR_NOOP("Editor", "Увеличить"),
         .keys = {"Ctrl++", "Ctrl+="},
         .keysText = "Ctrl++",
         .run = [](Session& s) { s.editor().viewController().zoomIn(); },
         .enabled = [](const Editor& e) { return e.viewController().zoomInEnabled(); }},
        {.id = "zoomout",
         .hint = ZW_TR_NOOP("Editor", "Уменьшить"),
         .keys = {"Ctrl+-"},
         .keysText = "Ctrl+-",
         .after = Separator,
         .run = [](Session& s) { s.editor().viewController().zoomOut(); },
         .enabled = [](const Editor& e) { return e.viewController().zoomOutEnabled(); }},
        {.id = "readme", .hint = ZW_TR_NOOP("Editor", "Readme&help"), .run = onEditor<openReadme>},
        {.id = "check",
         .hint = ZW_TR_NOOP("Editor", "Проверка шаблона на наличие ошибок"),
         .after = Gap,
         .run = onEditor<checkCommand>},
        // The scroll buttons stay disabled; the keys and the scroll bars move the view.
        {.id = "up",
         .hint = ZW_TR_NOOP("Editor", "Двигатся вверх"),
         .run = [](Session& s) { s.editor().viewController().keyChar(U'w'); },
         .enabled = kNever},
        {.id = "down",
         .hint = ZW_TR_NOOP("Editor", "Двигатся вниз"),
         .run = [](Session& s) { s.editor().viewController().keyChar(U's'); },
         .enabled = kNever},
        {.id = "left",
         .hint = ZW_TR_NOOP("Editor", "Двигатся влево"),
         .run = [](Session& s) { s.editor().viewController().keyChar(U'a'); },
         .enabled = kNever},
        {.id = "right",
         .hint = ZW_TR_NOOP("Editor", "Двигатся вправо"),
         .run = [](Session& s) { s.editor().viewController().keyChar(U'd'); },
         .enabled = kNever},
        {.id = "origin",
         .hint = ZW_TR_NOOP("Editor", "Вернутся в начало координат"),
         .run = [](Session& s) { s.editor().viewController().setOrigin(0, 0); },
         .enabled = kNever},
        {.id = "analysis",
         .hint = ZW_TR_NOOP("Editor", "Анализ шаблона"),
         .keys = {"Ctrl+Shift+A"},
         .keysText = "Ctrl+Shift+A",
         .run = [](Session& s) { s.toggleAnalysisPanel(); },
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
