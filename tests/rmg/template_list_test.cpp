// The template list window's logic: selection, deleting, adding, importing and
// the three outcomes with their questions.
#include "model/text.h"
#include "rmg/template_list.h"
#include "support/extended_tables.h"
#include "support/rmg_rows.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::kTestHeader;
using test::rmgRow;

std::string block(const std::string& name, int zones = 1) {
    std::string out = rmgRow({{0, name}, {1, "4"}, {2, "9"}, {3, "1"}});
    for (int z = 2; z <= zones; ++z)
        out += rmgRow({{3, std::to_string(z)}});
    return out;
}

struct ListFixture : ::testing::Test {
    ScriptedServices services;
    std::string a = block("Alpha", 2), b = block("Beta"), c = block("alpha", 3);
    std::string table = kTestHeader + a + b + c;

    TemplateListSession adding(std::string name = "New one") {
        return TemplateListSession(table, ListMode::Adding, std::move(name), services);
    }
    TemplateListSession importing() {
        return TemplateListSession(table, ListMode::Import, "ignored", services);
    }
    // The list's state: selection, "Удалить" and "Импорт" enabled, deleted flag, chosen index.
    static auto state(const TemplateListSession& s) {
        return std::tuple(s.selected, s.deleteEnabled, s.importEnabled, s.deletedFlag,
                          s.chosenIndex);
    }
    static constexpr auto kNothing = std::tuple(std::optional<int>(), false, false, false, -1);
    // Expects one message so far, of this kind and buttons.
    void expectOneMessage(MessageKind kind, MessageButtons buttons) {
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].kind, kind);
        EXPECT_EQ(services.messages[0].buttons, buttons);
    }
    static std::vector<std::string> names(const TemplateListSession& s) {
        std::vector<std::string> out;
        for (const auto& e : s.entries())
            out.push_back(e.name);
        return out;
    }
};

TEST_F(ListFixture, ModesPrepareTheWindow) {
    auto add = adding("Mine");
    EXPECT_EQ(std::tie(add.nameField, add.nameEnabled), std::tuple("Mine", true));
    EXPECT_TRUE(add.addVisible());
    EXPECT_FALSE(add.importVisible());
    EXPECT_EQ(names(add), (std::vector<std::string>{"Alpha", "Beta", "alpha"}));
    EXPECT_EQ(state(add), kNothing);

    auto imp = importing();
    EXPECT_EQ(std::tie(imp.nameField, imp.nameEnabled, imp.importEnabled),
              std::tuple(utf8ToCp1251(kChooseImportName), false, false));
    EXPECT_TRUE(imp.importVisible());
    EXPECT_FALSE(imp.addVisible());
}

TEST_F(ListFixture, SelectionEnablesDeleteAndDoubleClickChooses) {
    auto s = importing();
    s.doubleClick(); // nothing selected: nothing happens
    EXPECT_EQ(state(s), kNothing);
    s.click(1);
    EXPECT_TRUE(s.deleteEnabled);
    s.doubleClick();
    EXPECT_EQ(s.nameField, "Beta");
    EXPECT_EQ(std::tie(s.importEnabled, s.chosenIndex), std::tuple(true, 1));
    s.click(std::nullopt);
    EXPECT_FALSE(s.deleteEnabled);
    for (const int outside : {3, -1}) {
        s.click(outside);
        EXPECT_EQ(std::tie(s.selected, s.deleteEnabled), std::tuple(std::nullopt, false))
            << outside;
    }
    EXPECT_EQ(s.importTemplate(), ListOutcome::Proceed);
}

TEST_F(ListFixture, DeleteRemovesTheBytesAndSplitsAgain) {
    auto s = importing();
    s.click(0);
    s.doubleClick();
    s.deleteSelected();
    EXPECT_EQ(s.buffer(), kTestHeader + b + c);
    EXPECT_EQ(names(s), (std::vector<std::string>{"Beta", "alpha"}));
    EXPECT_EQ(state(s), std::tuple(std::optional<int>(), false, false, true, -1));
    EXPECT_EQ(s.nameField, utf8ToCp1251(kChooseImportName));
    // Nothing selected: "Удалить" does nothing.
    s.deleteSelected();
    EXPECT_EQ(s.entries().size(), 2u);

    auto add = adding("Typed");
    add.click(2);
    add.deleteSelected();
    EXPECT_EQ(add.buffer(), kTestHeader + a + b);
    EXPECT_EQ(add.nameField, "Typed"); // the adding mode keeps the typed name
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ListFixture, DeleteAllAsksAndKeepsTheHeader) {
    auto s = importing();
    s.click(1);
    s.doubleClick();
    services.messageAnswers = {MessageResult::No};
    s.deleteAll();
    expectOneMessage(MessageKind::Confirmation, MessageButtons::YesNo);
    EXPECT_EQ(services.messages[0].text, kDeleteAllQuestion);
    EXPECT_EQ(s.buffer(), table);
    EXPECT_EQ(std::tie(s.deletedFlag, s.chosenIndex), std::tuple(false, 1));

    services.messageAnswers = {MessageResult::Yes};
    s.deleteAll();
    EXPECT_EQ(s.buffer(), kTestHeader);
    EXPECT_TRUE(s.entries().empty());
    EXPECT_EQ(std::tie(s.deletedFlag, s.importEnabled, s.deleteEnabled),
              std::tuple(true, false, false));
    EXPECT_EQ(s.nameField, utf8ToCp1251(kChooseImportName));

    // An empty list asks nothing and changes nothing.
    s.deleteAll();
    EXPECT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(s.buffer(), kTestHeader);
}

TEST_F(ListFixture, AddingReplacesOnlyTheFirstTemplateOfTheSameName) {
    auto s = adding("ALPHA");
    EXPECT_EQ(s.addTemplate(), ListOutcome::Proceed);
    EXPECT_EQ(s.buffer(), kTestHeader + b + c);
    EXPECT_TRUE(s.deletedFlag);
    EXPECT_EQ(s.nameField, "ALPHA");

    auto other = adding("Gamma");
    EXPECT_EQ(other.addTemplate(), ListOutcome::Proceed);
    EXPECT_EQ(other.buffer(), table);
    EXPECT_FALSE(other.deletedFlag);

    // Double-clicking an entry puts its name in the field, so adding replaces it.
    auto dbl = adding("Gamma");
    dbl.click(2);
    dbl.doubleClick();
    EXPECT_EQ(dbl.nameField, "alpha");
    EXPECT_EQ(dbl.addTemplate(), ListOutcome::Proceed);
    EXPECT_EQ(dbl.buffer(), kTestHeader + b + c); // the first "alpha" in A-Z folding
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ListFixture, CyrillicCaseDifferencesDoNotMatch) {
    const std::string upper = utf8ToCp1251("Карта"), lower = utf8ToCp1251("карта");
    table = kTestHeader + block(upper);
    auto s = adding(lower);
    EXPECT_EQ(s.addTemplate(), ListOutcome::Proceed);
    EXPECT_EQ(s.buffer(), table);
    auto same = adding(upper);
    EXPECT_EQ(same.addTemplate(), ListOutcome::Proceed);
    EXPECT_EQ(same.buffer(), kTestHeader);
}

TEST_F(ListFixture, AddingRefusesANameTheTableCannotHold) {
    for (const std::string& bad : {std::string(65, 'A'), std::string("Al\tpha"),
                                   std::string("Alpha\r"), std::string("Al\npha")}) {
        services.messages.clear();
        auto s = adding(bad);
        EXPECT_FALSE(s.addTemplate());
        expectOneMessage(MessageKind::Error, MessageButtons::Ok);
        EXPECT_EQ(s.buffer(), table);
        EXPECT_FALSE(s.deletedFlag);
    }
    auto ok = adding(std::string(64, 'A'));
    EXPECT_EQ(ok.addTemplate(), ListOutcome::Proceed);
}

TEST_F(ListFixture, CancelAsksOnlyAfterDeletions) {
    auto untouched = adding();
    EXPECT_EQ(untouched.cancel(), ListOutcome::Abandon);
    EXPECT_TRUE(services.messages.empty());

    struct Case {
        MessageResult answer;
        ListOutcome outcome;
    };
    for (const Case k : {Case{MessageResult::Yes, ListOutcome::SaveEdited},
                         Case{MessageResult::No, ListOutcome::Abandon},
                         // The question closed without an answer abandons.
                         Case{MessageResult::Cancel, ListOutcome::Abandon},
                         Case{MessageResult::Ok, ListOutcome::Abandon}}) {
        services.messages.clear();
        auto s = adding();
        s.click(0);
        s.deleteSelected();
        services.messageAnswers = {k.answer};
        EXPECT_EQ(s.cancel(), k.outcome);
        expectOneMessage(MessageKind::Confirmation, MessageButtons::YesNo);
        EXPECT_EQ(services.messages[0].text, kSaveDeletionsQuestion);
    }

    // "Отмена" after "Удалить все" answered Yes asks the save question.
    services.messages.clear();
    auto all = importing();
    services.messageAnswers = {MessageResult::Yes, MessageResult::Yes};
    all.deleteAll();
    EXPECT_EQ(all.cancel(), ListOutcome::SaveEdited);
    EXPECT_EQ(all.takeBuffer(), kTestHeader);
}

// The pack cells the window shows: those filled in the pack row of a table in
// the extended layout, by header name and as read (quotes taken off); none for
// a classic table or one that only claims the extended layout.
TEST(ListPackCells, ComeFromTheExtendedTablesPackRowOnly) {
    using Cells = std::vector<std::pair<std::string, std::string>>;
    const std::string extended = test::oneTemplateTable();
    struct Case {
        const char* what;
        std::string table;
        Cells expected;
    } cases[] = {
        // clang-format off
        {"extended", extended,
         {{"Town", "10"}, {"Terrain", "10"}, {"Zone type", "4"}, {"Pack new", "7"},
          {"Map new", "10"}, {"Zone new", "12"}, {"Connection new", "4"},
          {"Name", "Made for the tests"},
          {"Description", "Two lines,\r\nwith a\ttab and \"quotes\""},
          {"Characters", "-177 +71"}, {"Mirror", "1"}}},
        // clang-format on
        {"classic", kTestHeader + block("Alpha"), {}},
        {"claimed only", "Pack\tof\tnothing\r\n" + block("Alpha"), {}},
    };
    ScriptedServices services;
    for (const Case& c : cases) {
        const TemplateListSession s(c.table, ListMode::Import, "", services);
        EXPECT_EQ(s.packCells(), c.expected) << c.what;
    }
}

} // namespace
} // namespace zw
