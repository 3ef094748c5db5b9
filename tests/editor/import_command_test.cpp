// The import command as the toolbar runs it: open dialog, the template list
// window in import mode and its outcomes, the template replaced without a
// history step, laid out and shown.
#include "editor/editor.h"
#include "model/text.h"
#include "rmg/graph.h"
#include "rmg/import.h"
#include "rmg/template_list.h"
#include "support/document_edits.h"
#include "support/rmg_rows.h"
#include "support/scratch_dir.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"
#include "support/toolbar_ids.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::kTestHeader;
using test::rmgRow;
using test::ScratchDir;
using test::slurp;
using test::spit;

std::string firstTemplate() {
    return rmgRow({{0, "First"},
                   {1, "4"},
                   {2, "9"},
                   {3, "1"},
                   {4, "x"},
                   {13, "1"},
                   {76, "1"},
                   {77, "2"}}) +
           rmgRow({{3, "2"}, {5, "x"}, {13, "2"}, {76, "2"}, {77, "3"}}) + rmgRow({{3, "3"}});
}

std::string secondTemplate() {
    return rmgRow({{0, utf8ToCp1251("Второй")},
                   {1, "1"},
                   {2, "32"},
                   {3, "1"},
                   {13, "4"},
                   {5, "x"},
                   {76, "1"},
                   {77, "2"}}) +
           rmgRow({{3, "2"}});
}

// Double-clicks entry k and presses "Импорт".
std::function<ListOutcome(TemplateListSession&)> pick(int k) {
    return [k](TemplateListSession& s) {
        s.click(k);
        s.doubleClick();
        return s.importTemplate();
    };
}

struct ImportFixture : ::testing::Test {
    ScratchDir dir;
    ScriptedServices services;
    ScriptedDialogs dialogs;
    Editor editor{services, dialogs};
    std::string table = kTestHeader + firstTemplate() + secondTemplate();

    void SetUp() override {
        spit(dir.file("rmg.txt"), table);
        // A template as loaded, so that the import asks nothing first (the
        // question about unsaved changes has its own test).
        TRmg old;
        old.name = "Old";
        old.appendZone(makeDefaultZone());
        test::install(editor, old);
        editor.setZoomLevel(4);
        editor.setOrigin(7, -3);
    }
    void open(const std::string& path) { services.openAnswers.push_back(path); }
};

TEST_F(ImportFixture, ProceedReplacesTheTemplateWithoutAHistoryStep) {
    open(dir.file("rmg.txt"));
    ListMode shownMode = ListMode::Adding;
    std::string shownName;
    dialogs.listAnswers.push_back([&](TemplateListSession& s) {
        shownMode = s.mode();
        shownName = s.nameField;
        return pick(1)(s);
    });
    editor.importRmg();
    EXPECT_EQ(services.openFilters, std::vector<std::string>{std::string(kRmgFilter)});
    EXPECT_EQ(shownMode, ListMode::Import);
    EXPECT_EQ(shownName, utf8ToCp1251(kChooseImportName));
    EXPECT_TRUE(services.messages.empty());

    TRmg expected = readTemplate(secondTemplate());
    LayoutRandom fresh;
    layoutZones(expected, fresh);
    EXPECT_EQ(editor.rmg(), expected);
    EXPECT_EQ(editor.rmg().header.playerCountIndex, 2);
    EXPECT_EQ(editor.rmg().kinds.playerKind[3], 1);
    EXPECT_EQ(editor.caption(), "Редактор шаблонов - Второй");
    EXPECT_EQ(editor.history().position(), 0);
    EXPECT_EQ(editor.history().length(), 0u);
    EXPECT_FALSE(editor.canStepBack());
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(editor.view().zoomLevel, 2);
    EXPECT_EQ(editor.view().originX, 0);
    EXPECT_EQ(editor.view().originY, 0);
    EXPECT_EQ(editor.tool(), kMoveTool);
    // The scroll bars follow the new zones.
    int32_t minX = 0, maxX = 0;
    for (const auto& z : editor.rmg().zones) {
        minX = std::min(minX, z.gridX);
        maxX = std::max(maxX, z.gridX);
    }
    EXPECT_EQ(editor.hBar().min, minX);
    EXPECT_EQ(editor.hBar().max, maxX);
    // Closing now asks nothing.
    EXPECT_TRUE(editor.closeRequest());
    EXPECT_TRUE(services.messages.empty());
    // The file is untouched.
    EXPECT_EQ(slurp(dir.file("rmg.txt")), table);
}

TEST_F(ImportFixture, UnsavedChangesAreAskedAboutBeforeAnythingElse) {
    test::change(editor, [](TRmg& t) { t.name = "Changed"; });
    const TRmg changed = editor.rmg();
    // Cancel, and Yes with a cancelled save dialog: nothing more happens.
    services.messageAnswers = {MessageResult::Cancel, MessageResult::Yes};
    editor.importRmg();
    editor.importRmg();
    EXPECT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0].text, "Сохранить изменения?");
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(services.openFilters.empty());
    EXPECT_EQ(editor.rmg(), changed);
    EXPECT_TRUE(editor.modified());
    // No: the import goes on as before.
    services.messageAnswers = {MessageResult::No};
    open(dir.file("rmg.txt"));
    dialogs.listAnswers.push_back(pick(0));
    editor.importRmg();
    EXPECT_EQ(services.openFilters.size(), 1u);
    EXPECT_FALSE(editor.modified());
    EXPECT_NE(editor.rmg().name, changed.name);
}

TEST_F(ImportFixture, TheGeneratorRunsOnFromOneImportToTheNext) {
    open(dir.file("rmg.txt"));
    open(dir.file("rmg.txt"));
    dialogs.listAnswers = {pick(0), pick(0)};
    editor.importRmg();
    const TRmg first = editor.rmg();

    ScriptedServices otherServices;
    ScriptedDialogs otherDialogs;
    Editor other(otherServices, otherDialogs);
    otherServices.openAnswers.push_back(dir.file("rmg.txt"));
    otherDialogs.listAnswers.push_back(pick(0));
    other.importRmg();
    EXPECT_EQ(other.rmg(), first); // the first import after a start

    editor.importRmg();
    EXPECT_NE(editor.rmg(), first);
    EXPECT_EQ(editor.rmg().zones.size(), first.zones.size());
}

TEST_F(ImportFixture, NothingChangesWhenTheImportStopsEarly) {
    const TRmg before = editor.rmg();
    editor.importRmg(); // cancelled
    open(dir.file("missing.txt"));
    editor.importRmg();
    EXPECT_EQ(services.fileErrors.size(), 1u);
    spit(dir.file("none.txt"), "no\ttemplates\there\r\n");
    open(dir.file("none.txt"));
    editor.importRmg();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, kNoTemplateFound);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs.listCalls, 0);
    EXPECT_EQ(editor.rmg(), before);
    EXPECT_EQ(editor.history().position(), 0);
    EXPECT_EQ(editor.view().originX, 7);
}

TEST_F(ImportFixture, AbandonAndClosesWithoutOutcomeImportNothing) {
    const TRmg before = editor.rmg();
    dialogs.listAnswers.push_back([](TemplateListSession& s) { return s.cancel(); });
    dialogs.listAnswers.push_back([](TemplateListSession& s) {
        s.click(0);
        s.doubleClick();
        s.deleteSelected();
        return static_cast<ListOutcome>(0); // closed by other means
    });
    // "Импорт" pressed although nothing is chosen any more.
    dialogs.listAnswers.push_back([](TemplateListSession& s) {
        s.click(0);
        s.doubleClick();
        s.deleteSelected();
        return ListOutcome::Proceed;
    });
    for (int run = 0; run < 3; ++run) {
        open(dir.file("rmg.txt"));
        editor.importRmg();
        EXPECT_EQ(editor.rmg(), before) << run;
        EXPECT_EQ(slurp(dir.file("rmg.txt")), table) << run;
    }
}

TEST_F(ImportFixture, SaveEditedWritesTheDeletionsAndImportsNothing) {
    const TRmg before = editor.rmg();
    services.messageAnswers = {MessageResult::Yes};
    dialogs.listAnswers.push_back([](TemplateListSession& s) {
        s.click(0);
        s.deleteSelected();
        return s.cancel();
    });
    open(dir.file("rmg.txt"));
    editor.importRmg();
    EXPECT_EQ(slurp(dir.file("rmg.txt")), kTestHeader + secondTemplate());
    EXPECT_EQ(editor.rmg(), before);
}

TEST_F(ImportFixture, DeletionsBeforeAnImportAreNotWritten) {
    dialogs.listAnswers.push_back([](TemplateListSession& s) {
        s.click(0);
        s.deleteSelected();
        return pick(0)(s); // now the second template
    });
    open(dir.file("rmg.txt"));
    editor.importRmg();
    EXPECT_EQ(editor.rmg().name, utf8ToCp1251("Второй"));
    EXPECT_EQ(slurp(dir.file("rmg.txt")), table);
}

TEST_F(ImportFixture, CompiledTemplateComesBack) {
    // Import the first template, compile it into a new table under another
    // name, import that again: the same zones and connections come back.
    open(dir.file("rmg.txt"));
    dialogs.listAnswers.push_back(pick(0));
    editor.importRmg();
    const TRmg imported = editor.rmg();
    ASSERT_EQ(imported.zones.size(), 3u);

    spit(dir.file("header.txt"), "H\r\n");
    services.exeDir = dir.path();
    services.saveAnswers.push_back(dir.file("out.txt"));
    editor.compile();
    ASSERT_TRUE(services.messages.empty());
    open(dir.file("out.txt"));
    dialogs.listAnswers.push_back(pick(0));
    editor.importRmg();
    TRmg back = editor.rmg();
    ASSERT_EQ(back.zones.size(), imported.zones.size());
    for (size_t i = 0; i < back.zones.size(); ++i) {
        back.zones[i].gridX = imported.zones[i].gridX;
        back.zones[i].gridY = imported.zones[i].gridY;
    }
    EXPECT_EQ(back, imported);
}

} // namespace
} // namespace zw
