// The check command: the template check with its message.
#pragma once

#include "model/translation.h"
#include <string_view>

namespace zw {

class Editor;

// The template check; shows its finding and returns false, or returns true.
// For a template that keeps cells of an extended table the finding is a warning.
bool checkAndReport(Editor& editor);
// The compile's check: a classic template stops at the finding; for one that
// keeps cells of an extended table, whose options the check cannot know (the
// pack's Mirror, for one), the finding is a warning and the user may write anyway.
bool checkBeforeCompile(Editor& editor);
// Russian; shown through translated("Editor", ...).
inline constexpr std::string_view kWriteAnyway =
    ZW_TR_NOOP("Editor", "Шаблон прочитан из расширенной таблицы, чьих настроек проверка не "
                         "знает. Записать его всё равно?");
// The check button: checkAndReport, then "Ошибок не обнаружено" when it passes.
void checkCommand(Editor& editor);

} // namespace zw
