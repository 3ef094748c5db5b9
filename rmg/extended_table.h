// The extended table layout that map makers publish: three header rows that
// name every column (section, subsection, field), a pack row whose field
// counts give the table's shape, and one or more templates whose rows hold a
// zone and a connection each, with many more cells than the classic 85.
//
// Columns are found by their section and field name, never by position: the
// classic cells are projected out of a row and read by the classic rules, and
// every other cell is kept with its record (the template, a zone, a passage)
// under its header name, so that writing the template back into the table
// gives every cell nobody changed byte for byte as it was read.
#pragma once

#include "model/records.h"
#include "rmg/template_list.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zw {

enum class TableSection { Pack, Map, Zone, Connections };

// One column of the header.
struct TableColumn {
    TableSection section = TableSection::Pack;
    // The field name as written; `key` tells repeats within the section apart
    // ("Match to town #2").
    std::string field;
    std::string key;
    // The classic cell this column holds, or -1.
    int classic = -1;
};

// The seven numbers of the pack's field counts.
struct FieldCounts {
    int32_t town = 0;
    int32_t terrain = 0;
    int32_t zoneType = 0;
    int32_t packNew = 0;
    int32_t mapNew = 0;
    int32_t zoneNew = 0;
    int32_t connectionNew = 0;
};

// Where a row of a table lies.
struct TableRow {
    size_t begin = 0; // offset of its first byte
    size_t end = 0;   // offset of its line end (or of the buffer's end)
    size_t next = 0;  // offset of the next row
};

// Cuts the row that starts at `begin` into its cells as written (quotes
// included): cells end at TAB, the row at LF (a CR before it belongs to the
// line end), and a cell that begins with a double quote runs to the next
// quote that is not doubled, TABs and line ends included. False when such a
// quote never closes.
bool cutRow(std::string_view buffer, size_t begin, TableRow& row,
            std::vector<std::string_view>& cells);

// A cell's text: without its quotes, a doubled quote inside them read as one.
std::string cellText(std::string_view raw);
// A cell as it is written: quoted when it asks for it or the text needs it
// (a TAB, an LF, or a quote at its start).
std::string writtenCell(std::string_view text, bool quoted);

// The first cell of the first row is "Pack": the table claims the extended
// layout (whether it has one that reads is ExtendedTable::read's business).
bool claimsExtendedLayout(std::string_view buffer);

class ExtendedTable {
  public:
    // Reads the header and the templates of a table in the extended layout;
    // a message naming what was expected when it is not one that reads. The
    // table keeps views into `buffer`, which must outlive it.
    static std::variant<ExtendedTable, std::string> read(std::string_view buffer);
    // The table keeps views into its buffer: a temporary one would leave them
    // dangling.
    static std::variant<ExtendedTable, std::string> read(std::string&& buffer) = delete;

    const std::vector<TableColumn>& columns() const { return columns_; }
    const FieldCounts& counts() const { return counts_; }
    const std::string& lineEnd() const { return lineEnd_; }

    // The templates in table order: the Map name (Windows-1251), the offset of
    // the first row and the length of all rows.
    const std::vector<TTemplateInside>& templates() const { return entries_; }

    // Template k as its records: the classic cells read by the classic rules,
    // zones numbered in the order of their rows, connections naming zones by
    // Id, every other cell kept. Grid positions are left at 0.
    TRmg readTemplate(size_t k) const;

    // The pack's cells that are filled (key, text).
    std::vector<std::pair<std::string, std::string>> packCells() const;

    // The rows of a template in this table's layout, each ended by the table's
    // line end. The pack cells of the first data row go into its first row
    // when `withPack`. Reads the template as it stands (refresh it first).
    std::string writeTemplate(const TRmg& t, std::string_view name, bool withPack) const;

    // The bytes before the first template (the header rows and any row before
    // the first template).
    std::string_view header() const;

    // The table without template k; the pack cells stay on the first data row.
    std::string without(size_t k) const;
    // The header with the pack cells alone on the first data row.
    std::string withoutAll() const;
    // The table with template k replaced in place by `t`.
    std::string replaced(size_t k, const TRmg& t, std::string_view name) const;
    // The table with `t` added after the last template.
    std::string appended(const TRmg& t, std::string_view name) const;

  private:
    struct Span {
        size_t first = 0; // row index
        size_t end = 0;
    };
    std::optional<std::string> readHeader(const std::array<std::vector<std::string_view>, 4>& head);
    std::vector<std::string_view> cellsOf(size_t r) const;
    std::string joinRow(const std::vector<std::string>& cells) const;
    std::string packRow() const;
    std::string rowWithPack(size_t r) const;

    std::string_view buffer_;
    std::vector<TableRow> rows_;
    std::vector<TableColumn> columns_;
    FieldCounts counts_;
    std::string lineEnd_;
    std::vector<TTemplateInside> entries_;
    std::vector<Span> spans_;
    size_t mapName_ = 0; // column of the Map name
    size_t zoneId_ = 0;  // column of a zone's Id
    size_t zone1_ = 0;   // columns of a connection's two zones
    size_t zone2_ = 0;
};

// How many header rows the extended layout has before its first data row.
inline constexpr size_t kExtendedHeaderRows = 3;

} // namespace zw
