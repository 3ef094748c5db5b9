// compile, list, delete and import of zonewright-cli, run as a user runs them.
#include "model/project_file.h"
#include "model/text.h"
#include "platform/native_path.h"
#include "rmg/graph.h"
#include "rmg/import.h"
#include "rmg/table.h"
#include "rmg/table_encoding.h"
#include "rmg/template_list.h"
#include "support/cli_fixtures.h"
#include "support/rmg_fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zw {
namespace {

using test::CliRun;
using test::kTestHeader;
using test::rmgRow;
using test::slurp;
using test::spit;
using test::startRow;

std::string rowsOf(TRmg t, const std::string& name) {
    refreshConditions(t);
    return buildBlock(t, name);
}

class RmgCli : public test::CliTest {
  protected:
    // What list prints for these rows of templates after kTestHeader.
    static std::string listing(const std::vector<std::pair<std::string, std::string>>& rows) {
        std::string out;
        size_t start = kTestHeader.size(), index = 0;
        for (const auto& [row, name] : rows) {
            out += std::to_string(++index) + "\t" + std::to_string(start) + "\t" +
                   std::to_string(row.size()) + "\t" + name + "\n";
            start += row.size();
        }
        return out;
    }
    std::string shippedHeader() const {
        const auto bin = std::filesystem::path(ZW_CLI).parent_path() / "header.txt";
        return slurp(bin.string());
    }
};

TEST_F(RmgCli, CompileStartsANewTableFromHeaderTxt) {
    const TRmg t = test::workedExample("First");
    const std::string in = project(t, "a.tpz");
    const CliRun r = cli({"compile", in, dir.file("rmg.txt")});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string header = shippedHeader();
    ASSERT_FALSE(header.empty());
    EXPECT_EQ(slurp(dir.file("rmg.txt")), header + rowsOf(t, "First"));

    // --header names another header; the path is used as given.
    spit(dir.file("h"), "my header");
    EXPECT_EQ(cli({"compile", in, dir.file("other"), "--header", dir.file("h")}).status, 0);
    EXPECT_EQ(slurp(dir.file("other")), "my header\r\n" + rowsOf(t, "First"));
    EXPECT_EQ(cli({"compile", in, dir.file("third"), "--header", dir.file("none")}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.file("third")));
}

TEST_F(RmgCli, CompileReplacesTheFirstTemplateOfTheSameName) {
    const std::string table =
        kTestHeader + startRow("Keep") + startRow(utf8ToCp1251("Север")) + startRow("Tail");
    spit(dir.file("rmg.txt"), table);
    const TRmg t = test::workedExample("whatever");
    const CliRun r = cli({"compile", project(t, "a.tpz"), dir.file("rmg.txt"), "--name", "Север"});
    EXPECT_EQ(r.status, 0) << r.err;
    const auto list = splitTable(table);
    EXPECT_EQ(slurp(dir.file("rmg.txt")),
              withoutTemplate(table, list[1]) + rowsOf(t, utf8ToCp1251("Север")));

    // Latin capitals fold; the template's own name is the default.
    const TRmg keep = test::workedExample("KEEP");
    EXPECT_EQ(cli({"compile", project(keep, "k.tpz"), dir.file("rmg.txt")}).status, 0);
    const auto names = splitTable(slurp(dir.file("rmg.txt")));
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0].name, "Tail");
    EXPECT_EQ(names[1].name, utf8ToCp1251("Север"));
    EXPECT_EQ(names[2].name, "KEEP");
}

TEST_F(RmgCli, CompileRefusals) {
    spit(dir.file("rmg.txt"), kTestHeader);
    TRmg failing = test::workedExample("Bad");
    failing.zones[1].owner = 1; // two start zones of player 1
    CliRun r = cli({"compile", project(failing, "f.tpz"), dir.file("rmg.txt")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Обнаружена логическая ошибка."), std::string::npos);

    const std::string in = project(test::workedExample("Good"), "g.tpz");
    r = cli({"compile", in, dir.file("rmg.txt"), "--name", std::string(65, 'n')});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.empty());
    EXPECT_EQ(cli({"compile", project(test::workedExample(std::string(70, 'L')), "l.tpz"),
                   dir.file("rmg.txt")})
                  .status,
              1);
    EXPECT_EQ(slurp(dir.file("rmg.txt")), kTestHeader);

    EXPECT_EQ(cli({"compile", dir.file("missing.tpz"), dir.file("rmg.txt")}).status, 2);
    EXPECT_EQ(slurp(dir.file("rmg.txt")), kTestHeader);
}

TEST_F(RmgCli, ListShowsIndexStartLengthAndName) {
    const std::string a = startRow("Alpha");
    const std::string b = startRow(utf8ToCp1251("Бета"));
    spit(dir.file("rmg.txt"), kTestHeader + a + b);
    const CliRun r = cli({"list", dir.file("rmg.txt")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, listing({{a, "Alpha"}, {b, "Бета"}}));
    // No template, as the import says it.
    spit(dir.file("none.txt"), kTestHeader);
    const CliRun none = cli({"list", dir.file("none.txt")});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.err.find(": " + std::string(kNoTemplateFound)), std::string::npos) << none.err;
    EXPECT_EQ(cli({"list", dir.file("missing.txt")}).status, 2);
}

TEST_F(RmgCli, ListAndImportSayWhenATableLooksSavedByASpreadsheet) {
    const std::string path = dir.file("rmg.txt");
    spit(path, "Header\nname\tmin\n\"Ring\"\t\"1\"\t\"2\"\t1\n");
    const std::string expected = "zonewright-cli: " + nativePath(path) +
                                 ": Не найдено ни одного шаблона!\nСтроки файла заканчиваются "
                                 "только символом LF, а ячейки заключены в двойные кавычки";
    CliRun r = cli({"list", path});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.compare(0, expected.size(), expected), 0) << r.err;
    r = cli({"import", path, dir.file("x.tpz"), "--index", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.compare(0, expected.size(), expected), 0) << r.err;
}

TEST_F(RmgCli, DeleteByNameIndexOrAll) {
    const std::string a = startRow("Alpha"), b = startRow("Beta"), c = startRow("BETA");
    const std::string table = kTestHeader + a + b + c;
    const std::string path = dir.file("rmg.txt");

    // clang-format off
    const struct {
        std::vector<std::string> options;
        int status;
        std::string rest;
    } cases[] = {
        {{"--name", "beta"}, 0, kTestHeader + a + c}, {{"--index", "3"}, 0, kTestHeader + a + b},
        {{"--all"}, 0, kTestHeader}, {{"--index", "0"}, 2, table}, {{"--index", "4"}, 2, table},
        {{"--name", "Gamma"}, 2, table}, {{}, 2, table}, {{"--all", "--index", "1"}, 2, table},
        {{"--name", "Beta", "--index", "1"}, 2, table}};
    // clang-format on
    for (const auto& k : cases) {
        SCOPED_TRACE(::testing::PrintToString(k.options));
        spit(path, table);
        EXPECT_EQ(cli(test::joined({"delete", path}, k.options)).status, k.status);
        EXPECT_EQ(slurp(path), k.rest);
    }
}

TEST_F(RmgCli, ImportWritesTheLaidOutTemplate) {
    const TRmg t = test::workedExample("Round");
    spit(dir.file("rmg.txt"), kTestHeader + startRow("Other") + rowsOf(t, "Round"));
    CliRun r = cli({"import", dir.file("rmg.txt"), dir.file("out.tpz"), "--name", "round"});
    EXPECT_EQ(r.status, 0) << r.err;
    const auto decoded = decodeProject(slurp(dir.file("out.tpz")));
    ASSERT_TRUE(std::holds_alternative<TRmg>(decoded));
    TRmg expected = readTemplate(rowsOf(t, "Round"));
    LayoutRandom fresh;
    layoutZones(expected, fresh);
    EXPECT_EQ(std::get<TRmg>(decoded), expected);

    r = cli({"import", dir.file("rmg.txt"), dir.file("one.tpz"), "--index", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(std::get<TRmg>(decodeProject(slurp(dir.file("one.tpz")))).name, "Other");

    EXPECT_EQ(cli({"import", dir.file("rmg.txt"), dir.file("x.tpz"), "--index", "3"}).status, 2);
    EXPECT_EQ(cli({"import", dir.file("rmg.txt"), dir.file("x.tpz")}).status, 2);
    spit(dir.file("none.txt"), "nothing here");
    r = cli({"import", dir.file("none.txt"), dir.file("x.tpz"), "--index", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(kNoTemplateFound), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.tpz")));
}

// A table saved as UTF-8 lists as its Windows-1251 self, and the conversion is
// said once on stderr.
TEST_F(RmgCli, ListReadsATableSavedAsUtf8) {
    const std::string a = startRow(utf8ToCp1251("Кольцо"));
    const std::string b = startRow("Star");
    const std::string path = dir.file("rmg.txt");
    spit(path, cp1251ToUtf8(kTestHeader + a + b));
    const CliRun r = cli({"list", path});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, listing({{a, "Кольцо"}, {b, "Star"}}));
    EXPECT_EQ(r.err, "zonewright-cli: " + nativePath(path) + ": " +
                         std::string(kUtf8TableConverted) + "\n");
}

// A UTF-8 table holding a character Windows-1251 lacks is refused by every
// command that reads it, and nothing is written.
TEST_F(RmgCli, AUtf8TableWindows1251CannotHoldIsRefused) {
    const std::string table =
        cp1251ToUtf8(kTestHeader + rmgRow({{0, utf8ToCp1251("Кольцо")}, {1, "1"}, {2, "2"}})) +
        startRow("Star ★");
    const std::string path = dir.file("rmg.txt");
    spit(path, table);
    const std::string in = project(test::workedExample("Good"), "g.tpz");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"list", path},
          {"import", path, dir.file("out.tpz"), "--index", "1"},
          {"delete", path, "--all"},
          {"compile", in, path}}) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.out, "") << args[0];
        EXPECT_NE(r.err.find("в строке 4 есть знак «★» (U+2605)"), std::string::npos)
            << args[0] << ": " << r.err;
        EXPECT_EQ(slurp(path), table) << args[0];
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.tpz")));
}

} // namespace
} // namespace zw
