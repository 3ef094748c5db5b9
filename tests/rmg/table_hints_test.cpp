#include "rmg/table_hints.h"

#include "rmg/import.h"
#include "rmg/template_list.h"
#include "support/rmg_fixtures.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::kTestHeader;
using test::rmgRow;
using test::startRow;

// Every CR LF of a table as LF alone.
std::string withLfOnly(std::string table) {
    std::string out;
    for (const char c : table)
        if (c != '\r')
            out += c;
    return out;
}

TEST(SpreadsheetHints, NameWhatWasFoundAndHowToSaveInstead) {
    const std::string row = startRow("Ring");
    const std::string quotedRow = rmgRow({{0, "\"Ring\""}, {1, "\"1\""}, {2, "\"2\""}, {3, "1"}});
    struct Case {
        const char* what;
        std::string table;
        bool lfOnly, quoted;
    };
    const Case cases[] = {
        {"LF only", withLfOnly(kTestHeader + row), true, false},
        {"quoted cells", kTestHeader + quotedRow, false, true},
        {"both", withLfOnly(kTestHeader + quotedRow), true, true},
        {"neither", "nothing here\r\nat all\r\n", false, false},
        {"a quote inside a cell only", "Header\r\nsay \"hi\"\tnow\r\n", false, false},
        {"a last line ended by LF", "Header\r\nname\n", true, false},
        {"CR LF with a template", kTestHeader + row, false, false},
    };
    for (const Case& c : cases) {
        const SpreadsheetSigns signs = spreadsheetSigns(c.table);
        EXPECT_EQ(signs.lfOnlyLineEnds, c.lfOnly) << c.what;
        EXPECT_EQ(signs.quotedCells, c.quoted) << c.what;
        const std::string message = noTemplateFoundMessage(c.table);
        if (!c.lfOnly && !c.quoted) {
            EXPECT_EQ(message, kNoTemplateFound) << c.what;
            continue;
        }
        // The splitter itself is unchanged: such tables still yield nothing.
        EXPECT_TRUE(splitTable(c.table).empty()) << c.what;
        const std::string first = std::string(kNoTemplateFound) + '\r';
        ASSERT_EQ(message.compare(0, first.size(), first), 0) << c.what;
        const std::string hint = message.substr(first.size());
        EXPECT_EQ(hint.find('\r'), std::string::npos) << c.what;
        EXPECT_EQ(hint.find("только символом LF") != std::string::npos, c.lfOnly) << c.what;
        EXPECT_EQ(hint.find("в двойные кавычки") != std::string::npos, c.quoted) << c.what;
        EXPECT_NE(hint.find("с разделителями табуляции, с концами строк CR LF и без кавычек"),
                  std::string::npos)
            << c.what;
    }
    EXPECT_EQ(splitTable(kTestHeader + row).size(), 1u);
}

} // namespace
} // namespace zw
