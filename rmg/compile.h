// Compiling a template into an rmg.txt table on disk: the table read (or the
// header of a new one), the template list window for an existing table, the
// name's check, and the table written. The window's compile command and the
// command-line tool's both run compileIntoTable; they differ only in how the
// table is chosen and who answers the template list window.
#pragma once

#include "model/records.h"
#include "model/translation.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <string>
#include <string_view>
#include <vector>

namespace zw {

// The question before a template's kept cells are dropped: the classic layout
// cannot hold them. `names` are the cells' names.
std::string dropKeptCellsQuestion(const std::vector<std::string>& names);
// The question's first words (Russian; translated("Rmg", ...) in the question).
inline constexpr std::string_view kDropKeptCellsStart =
    ZW_TR_NOOP("Rmg", "Шаблон хранит поля расширенной таблицы");

enum class CompileOutcome {
    Written,      // the table holds the template
    ListSaved,    // the list window saved its deletions only
    Abandoned,    // the list window ended without going on
    NameRefused,  // the name would break the table; nothing was written
    TableRefused, // the table does not read: it claims the extended layout and has none,
                  // or it is UTF-8 with characters Windows-1251 lacks (reported)
    FileFailed,   // a file could not be read or written (reported)
};

// Compiles `t` under `name` (Windows-1251) into the table at `tablePath`. An
// existing table that holds templates goes through the template list window
// first (adding mode, the name field starting with `name`); a missing table
// starts with the file at `headerPath`. A table (or header) saved as UTF-8 is
// written in Windows-1251 after a Yes to the question; No abandons. When the
// table is written, `t` takes the refresh of the compile; otherwise it stays
// as it was. The template goes in the table's own layout; a template that
// keeps cells of an extended table goes into a classic one only when the user
// agrees to drop them.
CompileOutcome compileIntoTable(TRmg& t, const std::string& name, const std::string& tablePath,
                                const std::string& headerPath, Services& services,
                                TemplateListRunner& list);

} // namespace zw
