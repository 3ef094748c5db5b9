// Templates that keep cells of an extended table, for the tests of everything
// that must carry them: files, JSON, fragments, dialogs and the editing steps.
#pragma once

#include "model/records.h"

namespace zw::test {

// richTemplate() with kept cells on the template, on every zone, on passages in
// use and in a slot beyond the count, and kept rows: quoted texts, texts with a
// TAB, a line end and Windows-1251 letters, cells with readAs, Ids with gaps and
// a row that holds more cells than the header names.
TRmg keptTemplate();

// A kept cell; `readAs` empty stands for none.
KeptCell keptCell(std::string name, std::string text, bool quoted = false,
                  std::optional<std::string> readAs = std::nullopt);

} // namespace zw::test
