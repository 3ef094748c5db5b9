// Cells of an extended template table that the classic records do not hold.
//
// A table in the extended layout names its own columns and has many more of
// them than the classic records model: options of the pack, the template, the
// zones and the connections, further town kinds and terrains, and columns
// nobody knows yet. Each such cell is kept with the record it was read with
// (the template, a zone or a passage), under its column's header name, so
// that it goes back into the table as it was written. A classic cell whose
// text the records cannot hold as written ("x o2 o9", "0.8") is kept the same
// way, together with the text the record's value was written as when it was
// read: while the record still writes that text, the cell goes back as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

struct KeptCell {
    // The column's field name; a name that occurs again within its section
    // carries the occurrence: "Match to town #2". The cells of a kept row
    // carry their section too: "Connections: Zone 1".
    std::string name;
    // The cell's text as written, without its quotes (Windows-1251).
    std::string text;
    // For a column that the records also read: what the record wrote there
    // when it was read.
    std::optional<std::string> readAs;
    // The cell was written in double quotes.
    bool quoted = false;

    bool operator==(const KeptCell&) const = default;
};

// The kept cells of one record, with where the record was read from.
struct KeptCells {
    std::vector<KeptCell> cells;
    // The row of its template the record was read from; -1 when none.
    int32_t row = -1;
    // A zone's Id in the table; 0 when it has none.
    int32_t id = 0;

    bool empty() const { return cells.empty() && row < 0 && id == 0; }
    const KeptCell* find(std::string_view name) const;
    bool operator==(const KeptCells&) const = default;
};

// A row of a template's table rows, as far as no record holds it: cells no
// record owns (a connection that names no zone of the template, say), and the
// number of cells the row was written with when that differs from the header.
struct KeptRow {
    int32_t row = 0;
    std::vector<KeptCell> cells;
    int32_t cellCount = -1; // -1: as many as the header names

    bool operator==(const KeptRow&) const = default;
};

// What a template keeps: the cells of its first row that the template
// settings do not hold, and the rows no record holds.
struct KeptTemplate {
    std::vector<KeptCell> cells;
    std::vector<KeptRow> rows;

    bool empty() const { return cells.empty() && rows.empty(); }
    bool operator==(const KeptTemplate&) const = default;
};

} // namespace zw
