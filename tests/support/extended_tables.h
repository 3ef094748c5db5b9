// Extended tables made for the tests: the header rows of a table in the
// extended layout, with names of our own for the town kinds and terrains, and
// data rows filled by "Section: field" keys.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace zw::test {

struct ExtendedShape {
    std::string lineEnd = "\r\n";
    int towns = 10;
    int terrains = 10;
    // Columns of newer tables: options beyond those the tables seen so far have.
    int extraMapOptions = 0;
    int extraZoneOptions = 0;
};

class ExtendedTableMaker {
  public:
    explicit ExtendedTableMaker(ExtendedShape shape = {});

    // The three header rows.
    std::string header() const;
    // A data row: the cells named by key ("Zone: Id", "Zone: Match to town #2"),
    // the others empty; `extra` empty cells after the last column.
    std::string row(const std::map<std::string, std::string>& cells, int extra = 0) const;
    // The field counts of the first data row, by key.
    std::map<std::string, std::string> fieldCounts() const;
    size_t width() const { return keys_.size(); }

  private:
    ExtendedShape shape_;
    std::vector<std::string> sections_, subsections_, fields_, keys_;
};

// The tables the tests read: one template of five zones with Id gaps, quoted
// cells and cells the classic records can't hold as written; three templates;
// and both line ends.
std::string oneTemplateTable(const ExtendedShape& shape = {});
std::string threeTemplateTable(const ExtendedShape& shape = {});

} // namespace zw::test
