// The kept cells' table of the zone, connection and template dialogs: what it
// shows, what an edit does to the cells, and how each dialog carries its
// record's cells through its read-back.
#include "dialogs/connection_logic.h"
#include "dialogs/kept_cells_logic.h"
#include "dialogs/template_logic.h"
#include "dialogs/zone_logic.h"
#include "model/text.h"
#include "support/kept_samples.h"
#include "support/scripted_services.h"

#include <functional>
#include <gtest/gtest.h>

namespace zw {
namespace {

using test::keptCell;

TEST(KeptCellsForm, ShowsNamesAndTextsAndGivesBackOnlyWhatWasEdited) {
    const std::vector<KeptCell> cells = {
        keptCell("Placement", "2"),
        keptCell("Town Hint", utf8ToCp1251("Замок у реки"), true),
        keptCell("Strength", "none", false, "6000"),
        keptCell("Fictive", "\x98"),
    };
    KeptCellsForm shown;
    shown.fill(cells);
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_TRUE(shown.visible());
    EXPECT_EQ(shown.name(1), "Town Hint");
    EXPECT_EQ(shown.text(1), "Замок у реки");
    EXPECT_EQ(shown.readBack(), cells);

    struct Case {
        const char* what;
        size_t row;
        std::string text;
        bool taken;
        std::vector<KeptCell> expected;
    };
    auto with = [&](size_t row, std::string text) {
        std::vector<KeptCell> out = cells;
        out[row].text = std::move(text);
        return out;
    };
    const Case cases[] = {
        {"a plain text", 0, "3", true, with(0, "3")},
        {"a quoted text stays quoted", 1, "Башня", true, with(1, utf8ToCp1251("Башня"))},
        {"readAs stays with its cell", 2, "strong", true, with(2, "strong")},
        {"emptied", 0, "", true, with(0, "")},
        {"a TAB and a line end", 1, "a\tb\r\nc", true, with(1, "a\tb\r\nc")},
        {"typed back as it was", 3, "\u0098", true, cells},
        {"letters Windows-1251 lacks", 0, "日", false, cells},
        {"malformed UTF-8", 0, "\xC3", false, cells},
        {"no such row", 4, "x", false, cells},
    };
    for (const Case& c : cases) {
        KeptCellsForm f;
        f.fill(cells);
        EXPECT_EQ(f.setText(c.row, c.text), c.taken) << c.what;
        EXPECT_EQ(f.readBack(), c.expected) << c.what;
    }

    KeptCellsForm none;
    none.fill({});
    EXPECT_FALSE(none.visible());
}

// Each dialog fills the table from its record, takes an edit of the second
// cell and hands the record back with it, everything else as it was.
TEST(KeptCellsForm, EachDialogCarriesItsRecordsCellsThroughItsReadBack) {
    const TRmg t = test::keptTemplate();
    struct Case {
        const char* dialog;
        std::function<std::vector<KeptCell>(const std::string& edit)> run;
        std::vector<KeptCell> before;
    };
    const Case cases[] = {
        {"zone",
         [&](const std::string& edit) {
             ZoneForm f;
             f.fill(t.zones[0]);
             EXPECT_TRUE(f.kept.visible());
             EXPECT_TRUE(f.kept.setText(1, edit));
             ZoneRecord expected = t.zones[0];
             const ZoneRecord back = f.readBack();
             expected.kept.cells = back.kept.cells;
             EXPECT_EQ(back, expected);
             return back.kept.cells;
         },
         t.zones[0].kept.cells},
        {"connection, the passage of the tab shown",
         [&](const std::string& edit) {
             ConnectionForm f;
             f.fill(t.connections[0]);
             EXPECT_TRUE(f.controls.kept.visible());
             EXPECT_TRUE(f.controls.kept.setText(1, edit));
             f.selectTab(1); // a passage that keeps nothing: no table
             EXPECT_FALSE(f.controls.kept.visible());
             f.selectTab(0);
             EXPECT_EQ(f.controls.kept.text(1), edit);
             ConnectionRecord expected = t.connections[0];
             const ConnectionRecord back = f.accept();
             expected.passages[0].kept.cells = back.passages[0].kept.cells;
             EXPECT_EQ(back, expected);
             return back.passages[0].kept.cells;
         },
         t.connections[0].passages[0].kept.cells},
        {"template",
         [&](const std::string& edit) {
             ScriptedServices services;
             TemplateForm f;
             f.fill(t);
             EXPECT_TRUE(f.kept.visible());
             EXPECT_TRUE(f.kept.setText(1, edit));
             const auto s = f.accept(services);
             EXPECT_TRUE(s.has_value());
             return s && s->keptCells ? *s->keptCells : std::vector<KeptCell>{};
         },
         t.kept.cells},
    };
    for (const Case& c : cases) {
        std::vector<KeptCell> expected = c.before;
        expected[1].text = utf8ToCp1251("Новое");
        EXPECT_EQ(c.run("Новое"), expected) << c.dialog;
    }
}

} // namespace
} // namespace zw
