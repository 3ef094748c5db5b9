// The table of kept cells ("Дополнительные поля") that the zone, connection
// and template dialogs show for their record without a window: the cells of
// an extended table the record keeps, each by its header name with its text,
// the texts editable.
#pragma once

#include "model/kept_cells.h"
#include "model/translation.h"

#include <string>
#include <string_view>
#include <vector>

namespace zw {

namespace kept_cells_texts {
inline constexpr std::string_view kTitle = ZW_TR_NOOP("Dialogs", "Дополнительные поля");
inline constexpr std::string_view kName = ZW_TR_NOOP("Dialogs", "Поле");
inline constexpr std::string_view kText = ZW_TR_NOOP("Dialogs", "Значение");
} // namespace kept_cells_texts

// True when `utf8` can be a kept cell's text: Windows-1251 holds every
// character (the table's editor takes no others).
bool keptTextFits(std::string_view utf8);

class KeptCellsForm {
  public:
    // Shows `cells`: their names and texts (UTF-8), in their order.
    void fill(const std::vector<KeptCell>& cells);

    // The table is shown only for a record that keeps cells.
    bool visible() const { return !cells_.empty(); }
    size_t size() const { return cells_.size(); }
    const std::string& name(size_t row) const { return names_.at(row); }
    const std::string& text(size_t row) const { return texts_.at(row); }

    // The user set the text of `row`. False, and nothing changes, when there
    // is no such row or the text does not fit (keptTextFits).
    bool setText(size_t row, std::string utf8);

    // The cells with the texts as the table holds them. A text as shown keeps
    // its cell as it was, quotes and what it was read as included; an edited
    // one is the cell's new text, in Windows-1251.
    std::vector<KeptCell> readBack() const;

  private:
    std::vector<KeptCell> cells_;
    std::vector<std::string> names_;
    std::vector<std::string> texts_;
    std::vector<std::string> shown_;
};

} // namespace zw
