// The command-line tool on tables in the extended layout: list, import,
// compile back, delete, and the options that write what the classic rules
// would refuse.
#include "model/project_file.h"
#include "rmg/extended_table.h"
#include "rmg/template_list.h"
#include "support/cli_fixtures.h"
#include "support/extended_tables.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::CliRun;
using test::slurp;

class ExtendedCli : public test::CliTest {
  protected:
    std::string table(const std::string& bytes, const std::string& file = "rmg.txt") {
        return write(file, bytes);
    }
};

TEST_F(ExtendedCli, ListsTheMapNames) {
    const CliRun r = cli({"list", table(test::threeTemplateTable())});
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<std::string> names;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
        names.push_back(line.substr(line.rfind('\t') + 1));
    EXPECT_EQ(names, (std::vector<std::string>{"Ring", "Star", "Кольцо"}));
}

TEST_F(ExtendedCli, ATemplateImportsAndCompilesBackByteForByte) {
    const std::string original = test::threeTemplateTable();
    const std::string project = dir.file("t3.tpz");
    ASSERT_EQ(cli({"import", table(original), "--index", "3", project}).status, 0);
    const CliRun r = cli({"compile", project, table(original, "copy.txt")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(dir.file("copy.txt")), original);
}

TEST_F(ExtendedCli, KeptCellsIntoAClassicTableNeedDropExtended) {
    const std::string project = dir.file("kept.tpz");
    ASSERT_EQ(cli({"import", table(test::oneTemplateTable()), "--index", "1", project}).status, 0);
    const std::vector<std::string> args = {"compile", project, dir.file("classic.txt"), "--header",
                                           write("header.txt", "Classic header\r\n")};
    for (const auto& [extra, status] :
         {std::pair{std::vector<std::string>{}, 1},
          std::pair{std::vector<std::string>{"--drop-extended"}, 0}}) {
        const CliRun r = cli(test::joined(args, extra));
        EXPECT_EQ(r.status, status) << r.err;
        EXPECT_NE(r.err.find("Placement"), std::string::npos);
    }
    EXPECT_EQ(splitTable(slurp(dir.file("classic.txt"))).size(), 1u);
}

TEST_F(ExtendedCli, ForceWritesDespiteTheCheck) {
    // Player 2 has no start zone once its start becomes a treasure zone.
    TRmg t = makeNewTemplate();
    t.appendZone({.kind = code(ZoneKind::Start), .owner = 1, .kept = {}});
    const std::vector<std::string> args = {"compile", project(t, "bad.tpz"), dir.file("out.txt"),
                                           "--header", write("header.txt", "Classic header\r\n")};
    EXPECT_EQ(cli(args).status, 1);
    const CliRun r = cli(test::joined(args, {"--force"}));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(r.err.empty()); // the finding is still said
    EXPECT_EQ(splitTable(slurp(dir.file("out.txt"))).size(), 1u);
}

TEST_F(ExtendedCli, DeletingTheFirstKeepsThePackOnTheFirstDataRow) {
    const std::string original = test::threeTemplateTable();
    const auto pack = std::get<ExtendedTable>(ExtendedTable::read(original)).packCells();
    ASSERT_EQ(cli({"delete", table(original), "--index", "1"}).status, 0);
    const std::string written = slurp(dir.file("rmg.txt")); // the table reads in place
    const auto read = ExtendedTable::read(written);
    ASSERT_TRUE(std::holds_alternative<ExtendedTable>(read));
    EXPECT_EQ(std::get<ExtendedTable>(read).packCells(), pack);
}

TEST_F(ExtendedCli, ATableThatDoesNotReadIsRefusedWithExit2) {
    std::string broken = test::oneTemplateTable();
    broken.replace(broken.find("\tZone 2\t"), 8, "\tZone B\t");
    const std::string path = table(broken);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"list", path},
          std::vector<std::string>{"import", path, "--index", "1", dir.file("x.tpz")},
          std::vector<std::string>{"delete", path, "--all"}}) {
        SCOPED_TRACE(args.front());
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("«Zone 2»"), std::string::npos) << r.err;
        EXPECT_EQ(slurp(path), broken);
    }
}

} // namespace
} // namespace zw
