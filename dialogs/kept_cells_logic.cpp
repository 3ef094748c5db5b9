#include "dialogs/kept_cells_logic.h"

#include "model/text.h"

namespace zw {

bool keptTextFits(std::string_view utf8) {
    return utf8FitsCp1251(utf8);
}

void KeptCellsForm::fill(const std::vector<KeptCell>& cells) {
    cells_ = cells;
    names_.clear();
    shown_.clear();
    for (const KeptCell& c : cells_) {
        names_.push_back(cp1251ToUtf8(c.name));
        shown_.push_back(cp1251ToUtf8(c.text));
    }
    texts_ = shown_;
}

bool KeptCellsForm::setText(size_t row, std::string utf8) {
    if (row >= texts_.size() || !keptTextFits(utf8))
        return false;
    texts_[row] = std::move(utf8);
    return true;
}

std::vector<KeptCell> KeptCellsForm::readBack() const {
    std::vector<KeptCell> out = cells_;
    for (size_t i = 0; i < out.size(); ++i)
        if (texts_[i] != shown_[i])
            out[i].text = utf8ToCp1251(texts_[i]);
    return out;
}

} // namespace zw
