#include "model/kept_cells.h"

namespace zw {

const KeptCell* KeptCells::find(std::string_view name) const {
    for (const KeptCell& c : cells)
        if (c.name == name)
            return &c;
    return nullptr;
}

} // namespace zw
