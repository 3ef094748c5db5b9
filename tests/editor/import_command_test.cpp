// The import command as the toolbar runs it: open dialog, the template list
// window in import mode and its outcomes, the template replaced without a
// history step, laid out and shown.
#include "editor/commands/close_request.h"
#include "editor/commands/import_command.h"
#include "model/text.h"
#include "rmg/graph.h"
#include "rmg/import.h"
#include "rmg/template_list.h"
#include "support/document_edits.h"
#include "support/editor_fixtures.h"
#include "support/rmg_rows.h"
#include "support/scratch_dir.h"

namespace zw {
namespace {

using test::kTestHeader;
using test::rmgRow;
using test::ScratchDir;
using test::slurp;
using test::spit;

std::string firstTemplate() {
    const std::string first = rmgRow(
        {{0, "First"}, {1, "4"}, {2, "9"}, {3, "1"}, {4, "x"}, {13, "1"}, {76, "1"}, {77, "2"}});
    return first + rmgRow({{3, "2"}, {5, "x"}, {13, "2"}, {76, "2"}, {77, "3"}}) +
           rmgRow({{3, "3"}});
}

std::string secondTemplate() {
    const std::string name = utf8ToCp1251("Второй");
    const std::string first = rmgRow(
        {{0, name}, {1, "1"}, {2, "32"}, {3, "1"}, {13, "4"}, {5, "x"}, {76, "1"}, {77, "2"}});
    return first + rmgRow({{3, "2"}});
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
    Session session{editor};
    std::string table = kTestHeader + firstTemplate() + secondTemplate();

    void SetUp() override {
        spit(dir.file("rmg.txt"), table);
        // A template as loaded, so that the import asks nothing first (the
        // question about unsaved changes has its own test).
        TRmg old;
        old.name = "Old";
        old.appendZone(makeDefaultZone());
        test::install(editor, old);
        editor.viewController().setZoomLevel(4);
        editor.viewController().setOrigin(7, -3);
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
    importCommand(session);
    EXPECT_EQ(services.openFilters, std::vector<std::string>{std::string(kRmgFilter)});
    EXPECT_EQ(shownMode, ListMode::Import);
    EXPECT_EQ(shownName, utf8ToCp1251(kChooseImportName));
    EXPECT_TRUE(services.messages.empty());

    TRmg expected = readTemplate(secondTemplate());
    LayoutRandom fresh;
    layoutZones(expected, fresh);
    EXPECT_EQ(editor.document().rmg(), expected);
    EXPECT_EQ(editor.document().rmg().header.playerCountIndex, 2);
    EXPECT_EQ(editor.document().rmg().kinds.playerKind[3], 1);
    EXPECT_EQ(editor.document().caption(), "Редактор шаблонов - Второй");
    EXPECT_EQ(editor.document().history().position(), 0);
    EXPECT_EQ(editor.document().history().length(), 0u);
    EXPECT_FALSE(editor.document().canStepBack());
    EXPECT_FALSE(editor.document().modified());
    EXPECT_EQ(editor.viewController().state().zoomLevel, 2);
    EXPECT_EQ(editor.viewController().state().originX, 0);
    EXPECT_EQ(editor.viewController().state().originY, 0);
    EXPECT_EQ(editor.tool(), kMoveTool);
    // The scroll bars follow the new zones.
    int32_t minX = 0, maxX = 0;
    for (const auto& z : editor.document().rmg().zones) {
        minX = std::min(minX, z.gridX);
        maxX = std::max(maxX, z.gridX);
    }
    EXPECT_EQ(editor.viewController().hBar().min, minX);
    EXPECT_EQ(editor.viewController().hBar().max, maxX);
    // Closing now asks nothing.
    EXPECT_TRUE(closeRequest(session));
    EXPECT_TRUE(services.messages.empty());
    // The file is untouched.
    EXPECT_EQ(slurp(dir.file("rmg.txt")), table);
}

TEST_F(ImportFixture, UnsavedChangesAreAskedAboutBeforeAnythingElse) {
    test::change(editor, [](TRmg& t) { t.name = "Changed"; });
    const TRmg changed = editor.document().rmg();
    // Cancel, and Yes with a cancelled save dialog: nothing more happens.
    services.messageAnswers = {MessageResult::Cancel, MessageResult::Yes};
    importCommand(session);
    importCommand(session);
    EXPECT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0].text, test::kSaveChangesText);
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(services.openFilters.empty());
    EXPECT_EQ(editor.document().rmg(), changed);
    EXPECT_TRUE(editor.document().modified());
    // No: the import goes on as before.
    services.messageAnswers = {MessageResult::No};
    open(dir.file("rmg.txt"));
    dialogs.listAnswers.push_back(pick(0));
    importCommand(session);
    EXPECT_EQ(services.openFilters.size(), 1u);
    EXPECT_FALSE(editor.document().modified());
    EXPECT_NE(editor.document().rmg().name, changed.name);
}

TEST_F(ImportFixture, TheGeneratorRunsOnFromOneImportToTheNext) {
    open(dir.file("rmg.txt"));
    open(dir.file("rmg.txt"));
    dialogs.listAnswers = {pick(0), pick(0)};
    importCommand(session);
    const TRmg first = editor.document().rmg();

    ScriptedServices otherServices;
    ScriptedDialogs otherDialogs;
    Editor other(otherServices, otherDialogs);
    Session otherSession(other);
    otherServices.openAnswers.push_back(dir.file("rmg.txt"));
    otherDialogs.listAnswers.push_back(pick(0));
    importCommand(otherSession);
    EXPECT_EQ(other.document().rmg(), first); // the first import after a start

    importCommand(session);
    EXPECT_NE(editor.document().rmg(), first);
    EXPECT_EQ(editor.document().rmg().zones.size(), first.zones.size());
}

TEST_F(ImportFixture, NothingChangesWhenTheImportStopsEarly) {
    const TRmg before = editor.document().rmg();
    importCommand(session); // cancelled
    open(dir.file("missing.txt"));
    importCommand(session);
    EXPECT_EQ(services.fileErrors.size(), 1u);
    spit(dir.file("none.txt"), "no\ttemplates\there\r\n");
    open(dir.file("none.txt"));
    importCommand(session);
    test::expectOneMessage(services, kNoTemplateFound, MessageKind::Error);
    EXPECT_EQ(dialogs.listCalls, 0);
    EXPECT_EQ(editor.document().rmg(), before);
    EXPECT_EQ(editor.document().history().position(), 0);
    EXPECT_EQ(editor.viewController().state().originX, 7);
}

TEST_F(ImportFixture, AbandonAndClosesWithoutOutcomeImportNothing) {
    const TRmg before = editor.document().rmg();
    dialogs.listAnswers.push_back([](TemplateListSession& s) { return s.cancel(); });
    // Closed by other means, and "Импорт" pressed although nothing is chosen any more.
    for (const ListOutcome closing : {static_cast<ListOutcome>(0), ListOutcome::Proceed}) {
        dialogs.listAnswers.push_back([closing](TemplateListSession& s) {
            s.click(0);
            s.doubleClick();
            s.deleteSelected();
            return closing;
        });
    }
    for (int run = 0; run < 3; ++run) {
        open(dir.file("rmg.txt"));
        importCommand(session);
        EXPECT_EQ(editor.document().rmg(), before) << run;
        EXPECT_EQ(slurp(dir.file("rmg.txt")), table) << run;
    }
}

TEST_F(ImportFixture, SaveEditedWritesTheDeletionsAndImportsNothing) {
    const TRmg before = editor.document().rmg();
    services.messageAnswers = {MessageResult::Yes};
    dialogs.listAnswers.push_back([](TemplateListSession& s) {
        s.click(0);
        s.deleteSelected();
        return s.cancel();
    });
    open(dir.file("rmg.txt"));
    importCommand(session);
    EXPECT_EQ(slurp(dir.file("rmg.txt")), kTestHeader + secondTemplate());
    EXPECT_EQ(editor.document().rmg(), before);
}

TEST_F(ImportFixture, DeletionsBeforeAnImportAreNotWritten) {
    dialogs.listAnswers.push_back([](TemplateListSession& s) {
        s.click(0);
        s.deleteSelected();
        return pick(0)(s); // now the second template
    });
    open(dir.file("rmg.txt"));
    importCommand(session);
    EXPECT_EQ(editor.document().rmg().name, utf8ToCp1251("Второй"));
    EXPECT_EQ(slurp(dir.file("rmg.txt")), table);
}

} // namespace
} // namespace zw
