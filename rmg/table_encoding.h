// rmg.txt tables are Windows-1251, but a text editor may have saved one as
// UTF-8. Such a table is recognised when it is read and converted to
// Windows-1251 before anything else looks at it; one holding a character the
// code page lacks is refused. The splitter, the readers and the writers only
// ever see Windows-1251 bytes.
#pragma once

#include "model/translation.h"
#include "platform/services.h"

#include <string>
#include <string_view>
#include <variant>

namespace zw {

// A table's bytes in Windows-1251.
struct Cp1251Table {
    std::string bytes;
    bool fromUtf8 = false; // the table was UTF-8 and has been converted (its BOM dropped)
};

// Why a UTF-8 table cannot be read (Russian, UTF-8).
struct TableRefusal {
    std::string message;
};

// The table in Windows-1251. It is UTF-8 when
//  - it starts with the byte-order mark EF BB BF, or
//  - it holds a byte of 0x80 or above and all of it is well-formed UTF-8.
// Everything else (pure ASCII, which is both, included) is Windows-1251 and
// comes back unchanged. The second rule never takes Windows-1251 text for
// UTF-8: in well-formed UTF-8 every byte from 0xC0 up is followed by one from
// 0x80 to 0xBF, so read as Windows-1251 no two of the letters А to я (0xC0 to
// 0xFF) ever stand side by side, and a lone letter before a space, a digit or
// any ASCII is malformed. Only letters glued to signs such as "Рђ" or "вЂ”"
// (what UTF-8 looks like when read as Windows-1251) remain, and those are
// taken for UTF-8.
// A UTF-8 table is converted when every character has a Windows-1251 byte;
// one that holds another character, or (after a BOM) a malformed sequence, is
// refused with the line and the character.
std::variant<Cp1251Table, TableRefusal> tableAsCp1251(std::string bytes);

// Shown through translated("Rmg", ...).
inline constexpr std::string_view kUtf8TableConverted = ZW_TR_NOOP(
    "Rmg", "Таблица сохранена в кодировке UTF-8 и прочитана с переводом в Windows-1251.");
inline constexpr std::string_view kUtf8TableQuestion =
    ZW_TR_NOOP("Rmg", "Таблица сохранена в кодировке UTF-8. Записать её в кодировке Windows-1251?");

// What the table read is for: reading it (the list, the import, a deletion)
// or writing a template into it (the compile).
enum class TableUse { Read, Rewrite };
enum class TableStop {
    Refused, // the table cannot be converted (an error box was shown)
    Declined // the user answered No to writing it in Windows-1251
};

// tableAsCp1251 told to the user: a refusal is shown as an error; a converted
// table is told once, as information when it is read and as a Yes/No question
// before a template is written into it.
std::variant<std::string, TableStop> tableForUse(std::string bytes, TableUse use,
                                                 Services& services);

} // namespace zw
