// Compiling into tables of the extended layout, as the window and the
// command-line tool do: a template goes back into its own table byte for
// byte, a new one in the table's layout, and the cells a classic table can't
// hold are dropped only when the user agrees.
#include "model/text.h"
#include "rmg/compile.h"
#include "rmg/extended_table.h"
#include "rmg/import_table.h"
#include "rmg/template_list.h"
#include "support/extended_tables.h"
#include "support/scratch_dir.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::ScratchDir;
using test::slurp;
using test::spit;

// The list window answered as "Добавить шаблон" with the name it starts with.
struct AddAnswer : TemplateListRunner {
    ListOutcome runTemplateList(TemplateListSession& session) override {
        ++runs;
        return session.addTemplate().value_or(ListOutcome::Abandon);
    }
    int runs = 0;
};

struct ExtendedCompile : ::testing::Test {
    ScratchDir dir;
    ScriptedServices services;
    AddAnswer list;
    std::string table = dir.file("rmg.txt");
    std::string header = dir.file("header.txt");

    void SetUp() override { spit(header, "Classic header\r\n"); }

    CompileOutcome compile(TRmg& t, const std::string& name) {
        return compileIntoTable(t, name, table, header, services, list);
    }
    std::vector<TRmg> templatesOf(const std::string& bytes) {
        std::vector<TRmg> out;
        for (const TTemplateInside& e : splitTable(bytes))
            out.push_back(readTableTemplate(bytes, e));
        return out;
    }
};

TEST_F(ExtendedCompile, EachTemplateCompilesBackIntoACopyOfItsTable) {
    for (const std::string& original :
         {test::threeTemplateTable(), test::threeTemplateTable({.lineEnd = "\n"}),
          test::oneTemplateTable()}) {
        const auto entries = splitTable(original);
        ASSERT_FALSE(entries.empty());
        for (const TTemplateInside& e : entries) {
            spit(table, original);
            TRmg t = readTableTemplate(original, e);
            ASSERT_EQ(compile(t, e.name), CompileOutcome::Written);
            EXPECT_EQ(slurp(table), original) << cp1251ToUtf8(e.name);
        }
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ExtendedCompile, ANewTemplateIsAddedInTheTablesLayout) {
    const std::string original = test::threeTemplateTable();
    spit(table, original);
    TRmg plain = makeNewTemplate();
    plain.appendZone(makeDefaultZone());
    ASSERT_EQ(compile(plain, "Plain"), CompileOutcome::Written);
    const std::string written = slurp(table);
    EXPECT_EQ(written.substr(0, original.size()), original);
    const auto entries = splitTable(written);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[3].name, "Plain");
    EXPECT_FALSE(tableLayoutProblem(written));
}

TEST_F(ExtendedCompile, KeptCellsGoIntoAClassicTableOnlyWhenTheUserAgrees) {
    const std::string extended = test::oneTemplateTable();
    TRmg kept = templatesOf(extended).front();
    struct Case {
        const char* what;
        bool tableExists;
        MessageResult answer;
        CompileOutcome outcome;
    };
    const std::vector<Case> cases = {
        {"new table, No", false, MessageResult::No, CompileOutcome::Abandoned},
        {"new table, Yes", false, MessageResult::Yes, CompileOutcome::Written},
        {"classic table, No", true, MessageResult::No, CompileOutcome::Abandoned},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::remove(table.c_str());
        if (c.tableExists)
            spit(table, "Classic header\r\n");
        services.messages.clear();
        services.messageAnswers = {c.answer};
        TRmg t = kept;
        EXPECT_EQ(compile(t, "Kept"), c.outcome);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text.rfind(kDropKeptCellsStart, 0), 0u);
        EXPECT_NE(services.messages[0].text.find("Placement"), std::string::npos);
        if (c.outcome == CompileOutcome::Written) {
            EXPECT_EQ(splitTable(slurp(table)).size(), 1u);
        } else if (c.tableExists) {
            EXPECT_EQ(slurp(table), "Classic header\r\n");
        }
    }
}

TEST_F(ExtendedCompile, ATableThatDoesNotReadIsRefusedAndLeftAsItWas) {
    std::string broken = test::oneTemplateTable();
    broken.replace(broken.find("Base Size"), 9, "Base Sizes");
    spit(table, broken);
    TRmg t = makeNewTemplate();
    EXPECT_EQ(compile(t, "New"), CompileOutcome::TableRefused);
    EXPECT_EQ(slurp(table), broken);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].text.find("Base Size"), std::string::npos);
    EXPECT_EQ(list.runs, 0);
}

TEST(DropKeptCellsQuestion, NamesEightCellsAndCountsTheRest) {
    const std::string eight = "c1, c2, c3, c4, c5, c6, c7, c8";
    const std::vector<std::pair<size_t, std::string>> cases = {
        {8, eight + ".\r"},
        {9, eight + " и ещё 1.\r"},
    };
    for (const auto& [count, list] : cases) {
        std::vector<std::string> names;
        for (size_t i = 1; i <= count; ++i)
            names.push_back("c" + std::to_string(i));
        EXPECT_NE(dropKeptCellsQuestion(names).find(": " + list), std::string::npos) << count;
    }
}

} // namespace
} // namespace zw
