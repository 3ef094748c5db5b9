// Shorthands for the rmg and command-line tests: a template's first row, and a
// row written as "cell=text" pairs.
#pragma once

#include "support/rmg_rows.h"

#include <sstream>
#include <string>

namespace zw::test {

// The first row of a template: its name, sizes and zone 1.
inline std::string startRow(const std::string& name, const std::string& min = "1",
                            const std::string& max = "2") {
    return rmgRow({{0, name}, {1, min}, {2, max}, {3, "1"}});
}

// A row from space-separated "cell=text" pairs, e.g. "3=2 5=x 13=1"; no text holds a space.
inline std::string cellRow(const std::string& pairs) {
    RmgCells cells;
    std::istringstream in(pairs);
    for (std::string p; in >> p;) {
        const size_t eq = p.find('=');
        cells.at(std::stoul(p.substr(0, eq))) = p.substr(eq + 1);
    }
    return joinRmgRow(cells);
}

} // namespace zw::test
