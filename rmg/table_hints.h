// Why a table in which no template was found may have been saved by a
// spreadsheet: the two usual differences from the host game's table (lines
// ended by LF alone, cells wrapped in double quotes), and the second line of
// the "no template found" message that names them and says how to save the
// table instead. The splitter itself is not changed by any of this.
#pragma once

#include <string>
#include <string_view>

namespace zw {

struct SpreadsheetSigns {
    // Some line ends in an LF that no CR precedes.
    bool lfOnlyLineEnds = false;
    // Some cell starts and ends with a double quote (two bytes at least).
    bool quotedCells = false;
    bool any() const { return lfOnlyLineEnds || quotedCells; }
};

// Looks at every byte once; lines end at CR or LF, cells at TAB.
SpreadsheetSigns spreadsheetSigns(std::string_view table);

// The Russian line that names what was found and how to save the table
// instead (tab-separated text, CR LF line ends, no quotes); empty when
// neither sign is present.
std::string spreadsheetHint(const SpreadsheetSigns& signs);

// "Не найдено ни одного шаблона!", followed by a CR and the hint when the
// table shows a sign of a spreadsheet.
std::string noTemplateFoundMessage(std::string_view table);

} // namespace zw
