// What the template list window ("Вставка шаблона в файл") adds to the
// session's logic: its texts, and the name typed on screen checked before it
// is converted to Windows-1251 and handed to the session.
#pragma once

#include "model/kept_cells.h"
#include "model/translation.h"
#include "rmg/template_list.h"

#include <optional>
#include <string_view>
#include <vector>

namespace zw {

class Services;

namespace template_list_texts {
inline constexpr std::string_view kCaption = ZW_TR_NOOP("Dialogs", "Вставка шаблона в файл");
inline constexpr std::string_view kGroup = ZW_TR_NOOP("Dialogs", "Имеющиеся шаблоны в файле");
inline constexpr std::string_view kNameLabel = ZW_TR_NOOP("Dialogs", "Название вашего шаблона");
inline constexpr std::string_view kHint =
    ZW_TR_NOOP("Dialogs", "(Двойной щелчок на одном из шаблонов файла, чтобы заменить имеющийся)");
inline constexpr std::string_view kListLabel =
    ZW_TR_NOOP("Dialogs", "В файле уже имеются следующие шаблоны:");
inline constexpr std::string_view kDelete = ZW_TR_NOOP("Dialogs", "Удалить");
inline constexpr std::string_view kDeleteAll = ZW_TR_NOOP("Dialogs", "Удалить все");
inline constexpr std::string_view kAdd = ZW_TR_NOOP("Dialogs", "Добавить шаблон");
inline constexpr std::string_view kImport = ZW_TR_NOOP("Dialogs", "Импорт");
inline constexpr std::string_view kCancel = ZW_TR_NOOP("Dialogs", "Отмена");
inline constexpr std::string_view kPack = ZW_TR_NOOP("Dialogs", "Параметры пакета");
} // namespace template_list_texts

// The pack cells of the session's table as the window's read-only table of
// kept cells shows them (none for a classic table).
std::vector<KeptCell> packCellsShown(const TemplateListSession& session);

// "Добавить шаблон" with the name field's text as typed (UTF-8). A name that
// Windows-1251 cannot hold, or that breaks the table's rows, is refused with
// an error box (nullopt, the window stays open, the session's name field is
// left as it was); otherwise the converted name goes into the session's name
// field and the session's own "Добавить шаблон" runs.
std::optional<ListOutcome> addTypedTemplate(TemplateListSession& session,
                                            std::string_view typedName, Services& services);

} // namespace zw
