// Building rows of an rmg.txt table in tests: 85 cells, named ones filled,
// joined by TAB and ended by CR LF.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <utility>

namespace zw::test {

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

// The rows that test::workedExample() must compile to under `name`, written
// out cell by cell.
inline std::string workedExampleRows(const std::string& name) {
    RmgCells zone;
    zone[8] = "14";
    zone[9] = "1";
    zone[10] = zone[11] = zone[12] = "2";
    for (int k = 23; k <= 31; ++k)
        zone[static_cast<size_t>(k)] = "x";
    for (int k = 47; k <= 54; ++k)
        zone[static_cast<size_t>(k)] = "x";
    zone[55] = "avg";
    for (int k = 57; k <= 66; ++k)
        zone[static_cast<size_t>(k)] = "x";
    const char* treasure[] = {"10000", "15000", "1", "3000", "6000", "6", "500", "3000", "9"};
    for (int k = 0; k < 9; ++k)
        zone[67 + static_cast<size_t>(k)] = treasure[k];
    auto r0 = zone, r1 = zone, r2 = zone;
    r0[0] = name;
    r0[1] = "4";
    r0[2] = "9";
    r0[3] = "1";
    r0[4] = "x";
    r0[13] = "1";
    r0[15] = "1";
    r0[76] = "1";
    r0[77] = "3";
    r0[78] = "6000";
    r1[3] = "2";
    r1[4] = "x";
    r1[13] = "2";
    r1[15] = "1";
    r1[76] = "2";
    r1[77] = "3";
    r1[80] = "x";
    for (auto* r : {&r0, &r1}) {
        (*r)[81] = "1";
        (*r)[82] = (*r)[83] = (*r)[84] = "2";
    }
    r2[3] = "3";
    r2[6] = "x";
    return joinRmgRow(r0) + joinRmgRow(r1) + joinRmgRow(r2);
}

} // namespace zw::test
