#include "rmg/table_hints.h"

#include "model/translation.h"
#include "rmg/import.h"

namespace zw {

SpreadsheetSigns spreadsheetSigns(std::string_view table) {
    SpreadsheetSigns signs;
    size_t cellStart = 0;
    const auto endCell = [&](size_t end) {
        if (end - cellStart >= 2 && table[cellStart] == '"' && table[end - 1] == '"')
            signs.quotedCells = true;
    };
    for (size_t i = 0; i < table.size(); ++i) {
        const char c = table[i];
        if (c != '\t' && c != '\r' && c != '\n')
            continue;
        endCell(i);
        cellStart = i + 1;
        if (c == '\n' && (i == 0 || table[i - 1] != '\r'))
            signs.lfOnlyLineEnds = true;
    }
    endCell(table.size());
    return signs;
}

std::string spreadsheetHint(const SpreadsheetSigns& signs) {
    std::string found;
    if (signs.lfOnlyLineEnds && signs.quotedCells)
        found = ZW_TR("Rmg", "Строки файла заканчиваются только символом LF, а ячейки заключены в "
                             "двойные кавычки");
    else if (signs.lfOnlyLineEnds)
        found = ZW_TR("Rmg", "Строки файла заканчиваются только символом LF");
    else if (signs.quotedCells)
        found = ZW_TR("Rmg", "Ячейки файла заключены в двойные кавычки");
    else
        return {};
    return withArguments(ZW_TR("Rmg", "%1 (так сохраняют таблицы некоторые редакторы таблиц). "
                                      "Сохраните его как текст с разделителями табуляции, с "
                                      "концами строк CR LF и без кавычек."),
                         {found});
}

std::string noTemplateFoundMessage(std::string_view table) {
    std::string message = translated("Rmg", kNoTemplateFound);
    const std::string hint = spreadsheetHint(spreadsheetSigns(table));
    if (!hint.empty())
        message += '\r' + hint;
    return message;
}

} // namespace zw
