// Compiling a template into an rmg.txt table on disk: the table read (or the
// header of a new one), the template list window for an existing table, the
// name's check, and the table written. The window's compile command and the
// command-line tool's both run compileIntoTable; they differ only in how the
// table is chosen and who answers the template list window.
#pragma once

#include "model/records.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <string>

namespace zw {

enum class CompileOutcome {
    Written,     // the table holds the template
    ListSaved,   // the list window saved its deletions only
    Abandoned,   // the list window ended without going on
    NameRefused, // the name would break the table; nothing was written
    FileFailed,  // a file could not be read, converted or written (reported)
};

// Compiles `t` under `name` (Windows-1251) into the table at `tablePath`. An
// existing table that holds templates goes through the template list window
// first (adding mode, the name field starting with `name`); a missing table
// starts with the file at `headerPath`. A table saved as UTF-8 is written in
// Windows-1251 after a Yes to the question (No abandons), or refused when it
// cannot be converted (FileFailed). When the table is written, `t` takes
// the refresh of the compile; otherwise it stays as it was.
CompileOutcome compileIntoTable(TRmg& t, const std::string& name, const std::string& tablePath,
                                const std::string& headerPath, Services& services,
                                TemplateListRunner& list);

} // namespace zw
