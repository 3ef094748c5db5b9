// The compile command: the template into an rmg.txt table. The window and the
// command-line tool run the same compileIntoTable; they differ only in how the
// table is chosen and who answers the template list window.
#pragma once

#include "model/records.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <string>

namespace zw {

class Editor;

enum class CompileOutcome {
    Written,     // the table holds the template
    ListSaved,   // the list window saved its deletions only
    Abandoned,   // the list window ended without going on
    NameRefused, // the name would break the table; nothing was written
    FileFailed,  // a file could not be read or written (reported)
};

// Compiles `t` under `name` (Windows-1251) into the table at `tablePath`. An
// existing table that holds templates goes through the template list window
// first (adding mode, the name field starting with `name`); a missing table
// starts with the file at `headerPath`. When the table is written, `t` takes
// the refresh of the compile (without a history step); otherwise it stays as
// it was.
CompileOutcome compileIntoTable(TRmg& t, const std::string& name, const std::string& tablePath,
                                const std::string& headerPath, Services& services,
                                PropertyDialogs& dialogs);

// The compile button: the check, the save dialog, then compileIntoTable.
void compileCommand(Editor& editor);

} // namespace zw
