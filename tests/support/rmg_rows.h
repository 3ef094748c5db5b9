// Building rows of an rmg.txt table in tests: 85 cells, named ones filled,
// joined by TAB and ended by CR LF.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <utility>

namespace zw::testing {

using RmgCells = std::array<std::string, 85>;

inline std::string joinRmgRow(const RmgCells& cells) {
    std::string out;
    for (size_t k = 0; k < cells.size(); ++k) {
        if (k > 0)
            out += '\t';
        out += cells[k];
    }
    return out + "\r\n";
}

inline std::string rmgRow(std::initializer_list<std::pair<int, std::string>> filled) {
    RmgCells cells;
    for (const auto& [k, v] : filled)
        cells.at(static_cast<size_t>(k)) = v;
    return joinRmgRow(cells);
}

// A header line followed by CR LF that is no template start.
inline const std::string kTestHeader = "Header of a test table\r\nname\tmin\tmax\tzone\r\n";

} // namespace zw::testing
