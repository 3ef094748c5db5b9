// Importing one template of an rmg.txt table on disk: the table read, the
// template chosen in the template list window, read back and laid out. The
// window's import command and the command-line tool's both run these; they
// differ in who answers the template list window and where the template goes.
#pragma once

#include "model/records.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "rmg/graph.h"
#include "rmg/template_list.h"

#include <optional>
#include <string>

namespace zw {

// The template chosen in the template list window (import mode) from the table
// at `tablePath`, read and not yet laid out; a table saved as UTF-8 is read in
// Windows-1251 (tableForUse). Nullopt when the table cannot be read or
// converted, holds no template, or the window ends without a chosen template (a save
// of its deletions included); every failure is reported through `services`.
std::optional<TRmg> importFromTable(const std::string& tablePath, Services& services,
                                    TemplateListRunner& list);

// Template `entry` of a table in either layout, read and not yet laid out.
TRmg readTableTemplate(std::string_view buffer, const TTemplateInside& entry);

// Lays out the imported template's zones; a failure is reported and the
// template keeps the places reached.
void layOutImported(TRmg& t, LayoutRandom& random, Services& services);

} // namespace zw
