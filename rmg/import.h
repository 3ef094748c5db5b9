// Reading one template of an rmg.txt table back into a TRmg: cutting its bytes
// into rows of 85 cells and mapping the cells onto the records, with the
// defaults for missing or unreadable cells and the read-back rules.
#pragma once

#include "model/records.h"
#include "rmg/table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

inline constexpr std::string_view kNoTemplateFound = "Не найдено ни одного шаблона!";
inline constexpr std::string_view kLayoutFailed = "Ошибка при отображении";

// The cells of one row. Every cell is a stretch of the block's own bytes.
using RowCells = std::array<std::string_view, kRowCells>;

// The rows of a block, cut one at a time. A row ends at CR, and the byte after
// the CR is dropped whatever it is; cells are separated by TAB, cells beyond 84
// are dropped; a last line without any TAB is no row. An LF not following a CR
// stays in its cell. Rows are cut on demand, so walking a block needs no memory
// beyond one row of views, however many rows or TABs it holds.
class BlockRows {
  public:
    explicit BlockRows(std::string_view block) : block_(block) {}
    // Cuts the next row; false after the last row.
    bool next();
    // The cells of the row last cut, untrimmed (cells a row lacks are empty).
    const RowCells& cells() const { return cells_; }
    // Back to the first row.
    void rewind() { pos_ = 0; }

  private:
    std::string_view block_;
    size_t pos_ = 0;
    RowCells cells_{};
    size_t filled_ = 0; // cells of cells_ that may be non-empty
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
