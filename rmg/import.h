// Reading one template of an rmg.txt table back into a TRmg: cutting its bytes
// into rows of 85 cells and mapping the cells onto the records, with the
// defaults for missing or unreadable cells and the read-back rules.
#pragma once

#include "model/records.h"
#include "model/translation.h"
#include "rmg/table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

// Shown through translated("Rmg", ...).
inline constexpr std::string_view kNoTemplateFound =
    ZW_TR_NOOP("Rmg", "Не найдено ни одного шаблона!");
inline constexpr std::string_view kLayoutFailed = ZW_TR_NOOP("Rmg", "Ошибка при отображении");

// The cells of one row. Every cell is a stretch of the block's own bytes.
using RowCells = std::array<std::string_view, kRowCells>;

// The rows of a block, cut one at a time. A row ends at CR, and the byte after
// the CR is dropped whatever it is; cells are separated by TAB, cells beyond 84
// are dropped; a last line without any TAB is no row. An LF not following a CR
// stays in its cell. A row is cut into cells only as far as its cells are
// asked for, so walking a block needs no memory beyond one row of views and
// no time for cells nobody reads, however many rows or TABs it holds.
class BlockRows {
  public:
    explicit BlockRows(std::string_view block) : block_(block) {}
    // Moves to the next row; false after the last row.
    bool next();
    // Cell k (0 to 84) of the current row, untrimmed; empty when the row has
    // fewer cells or k is outside 0 to 84.
    std::string_view cell(int k);
    // All 85 cells of the current row.
    const RowCells& cells();
    // Back to the first row.
    void rewind() { pos_ = 0; }

  private:
    void cutUpTo(size_t k);

    std::string_view block_;
    std::string_view row_;
    size_t pos_ = 0;
    RowCells cells_{};
    size_t cut_ = 0;  // cells of the current row cut so far
    size_t from_ = 0; // offset in row_ of the next cell
    bool rowDone_ = true;
};

// A cell without its leading and trailing characters of codes 0 to 32.
std::string_view trimCell(std::string_view cell);

// Reading a cell (trimmed first): a number in the table's syntax or the default, a flag
// (any text), a word (A to Z lowered).
int32_t cellNumber(std::string_view cell, int32_t fallback);
inline bool cellFlag(std::string_view cell) {
    return !trimCell(cell).empty();
}

// The template that a block describes, starting from the new template: its
// fields from row 0, the players, the zones and the connections. Grid
// positions are left at 0 for the layout. Pieces of a passage that name a zone
// number above the number of zones read add nothing; owners above 8 count for
// neither the number of players nor any player's kind; a ninth passage of one
// pair of zones starts a further connection of that pair. A block without any
// row gives the new template unchanged.
TRmg readTemplate(std::string_view block);

} // namespace zw
