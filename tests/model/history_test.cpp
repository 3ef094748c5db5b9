// The edit history and the commands that discard the template, through the editor.
#include "editor/editor.h"
#include "model/history.h"
#include "model/project_file.h"
#include "support/document_edits.h"
#include "support/model_samples.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::richTemplate;

class EditHistory : public ::testing::Test {
  protected:
    EditHistory() { editor.setView(&view); }

    // One change as a tool makes it: a step that adds a zone at column `x`.
    void addZone(int32_t x) {
        ZoneRecord z = makeDefaultZone();
        z.gridX = x;
        test::change(editor, [&](TRmg& t) { t.appendZone(z); });
    }

    // A template settings OK that sets only the name.
    void renameThroughDialog(const std::string& name) {
        dialogs.templateAnswers.push_back([name](const TRmg& t) {
            TemplateSettings s{name, t.header.minSize, t.header.maxSize, t.header.playerCountIndex,
                               t.kinds};
            return std::optional<TemplateSettings>(s);
        });
        editor.templateSettings();
    }

    ScriptedServices services;
    ScriptedDialogs dialogs;
    test::CountingView view;
    Editor editor{services, dialogs};
};

TEST_F(EditHistory, StartsEmptyWithBothButtonsDisabled) {
    EXPECT_EQ(editor.history().length(), 0u);
    EXPECT_EQ(editor.history().position(), 0);
    EXPECT_FALSE(editor.canStepBack());
    EXPECT_FALSE(editor.canStepForward());
    EXPECT_FALSE(editor.modified());
    // With nothing to reach, the steps do nothing.
    editor.stepBack();
    editor.stepForward();
    EXPECT_EQ(editor.rmg(), makeNewTemplate());
    EXPECT_EQ(editor.history().length(), 0u);
}

TEST_F(EditHistory, PushStoresTheStateBeforeTheChange) {
    const TRmg start = editor.rmg();
    addZone(0);
    EXPECT_EQ(editor.history().length(), 1u);
    EXPECT_EQ(editor.history().position(), 1);
    EXPECT_EQ(editor.history().snapshots()[0], start);
    EXPECT_TRUE(editor.canStepBack());
    EXPECT_FALSE(editor.canStepForward());
    EXPECT_TRUE(editor.modified());
    // The snapshot shares nothing with the template that goes on changing.
    test::change(editor, [](TRmg& t) {
        t.zones[0].size = 99;
        t.name = "Other";
    });
    EXPECT_EQ(editor.history().snapshots()[0], start);
}

TEST_F(EditHistory, ThreeChangesAndThreeStepsBackReturnToTheStart) {
    const TRmg start = editor.rmg();
    addZone(0);
    addZone(3);
    addZone(6);
    const TRmg last = editor.rmg();

    editor.stepBack();
    // The first step back keeps the current state so stepping forward reaches it.
    EXPECT_EQ(editor.history().length(), 4u);
    EXPECT_EQ(editor.history().position(), 2);
    EXPECT_EQ(editor.history().snapshots()[3], last);
    EXPECT_EQ(editor.rmg().zones.size(), 2u);
    EXPECT_TRUE(editor.canStepBack());
    EXPECT_TRUE(editor.canStepForward());

    editor.stepBack();
    editor.stepBack();
    EXPECT_EQ(editor.rmg(), start);
    EXPECT_EQ(editor.history().position(), 0);
    EXPECT_FALSE(editor.canStepBack());
    EXPECT_TRUE(editor.canStepForward());
    EXPECT_FALSE(editor.modified());
    EXPECT_TRUE(editor.closeRequest());
    EXPECT_TRUE(services.messages.empty());

    editor.stepForward();
    editor.stepForward();
    editor.stepForward();
    EXPECT_EQ(editor.rmg(), last);
    EXPECT_EQ(editor.history().position(), 3);
    EXPECT_TRUE(editor.canStepBack());
    EXPECT_FALSE(editor.canStepForward());
    editor.stepForward(); // disabled: nothing happens
    EXPECT_EQ(editor.rmg(), last);
    EXPECT_EQ(editor.history().position(), 3);
}

TEST_F(EditHistory, ChangeAfterStepBackCutsTheForwardStates) {
    addZone(0);
    addZone(3);
    addZone(6);
    editor.stepBack(); // at two zones, forward reaches three
    addZone(20);
    EXPECT_EQ(editor.history().position(), 3);
    EXPECT_EQ(editor.history().length(), 3u);
    EXPECT_FALSE(editor.canStepForward());
    EXPECT_TRUE(editor.canStepBack());
    editor.stepForward();
    EXPECT_EQ(editor.rmg().zones.back().gridX, 20);

    // Stepping back now stores the new state, never the one stepped away from.
    editor.stepBack();
    EXPECT_EQ(editor.history().length(), 4u);
    editor.stepForward();
    ASSERT_EQ(editor.rmg().zones.size(), 3u);
    EXPECT_EQ(editor.rmg().zones[2].gridX, 20);
}

TEST_F(EditHistory, StepBackAndForwardRestoreEveryByteIncludingUnusedSlots) {
    test::install(editor, richTemplate());
    test::change(editor, [](TRmg& t) {
        ConnectionRecord& c = t.connections[0];
        c.passageCount = 1;
        c.passages[5].guard = 123456;
    });
    const TRmg changed = editor.rmg();

    editor.stepBack();
    EXPECT_EQ(editor.rmg(), richTemplate());
    EXPECT_EQ(encodeProject(editor.rmg()), encodeProject(richTemplate()));
    editor.stepForward();
    EXPECT_EQ(editor.rmg(), changed);
    EXPECT_EQ(editor.rmg().connections[0].passages[5].guard, 123456);
}

TEST_F(EditHistory, StepsRenewCaptionAndScrollBarsButNotViewOrTool) {
    renameThroughDialog("Second");
    addZone(-4);
    editor.setZoomLevel(5);
    editor.setOrigin(7, 8);
    editor.setTool(kMoveTool);
    const int captions = view.captions;
    const int redraws = view.redraws;
    editor.stepBack();
    editor.stepBack();
    EXPECT_EQ(editor.caption(), "Редактор шаблонов - Unnamed template");
    EXPECT_GT(view.captions, captions);
    EXPECT_GT(view.redraws, redraws);
    EXPECT_EQ(editor.hBar().min, 0); // no zones left
    EXPECT_EQ(editor.view().zoomLevel, 5);
    EXPECT_EQ(editor.tool(), kMoveTool);
    editor.stepForward();
    EXPECT_EQ(editor.caption(), "Редактор шаблонов - Second");
    editor.stepForward();
    EXPECT_EQ(editor.hBar().min, -4);
    EXPECT_EQ(editor.tool(), kMoveTool);
}

TEST_F(EditHistory, TemplateSettingsOkWithoutChangesCountsAsAChange) {
    renameThroughDialog(editor.rmg().name);
    EXPECT_EQ(editor.history().position(), 1);
    EXPECT_TRUE(editor.canStepBack());
    EXPECT_EQ(editor.rmg(), makeNewTemplate());
    // Cancel records nothing.
    editor.templateSettings();
    EXPECT_EQ(editor.history().position(), 1);
}

TEST_F(EditHistory, SavingDoesNotClearTheModifiedState) {
    addZone(0);
    services.saveAnswers.push_back("/nonexistent-folder/x.tpz"); // fails, reported
    editor.save();
    services.messageAnswers.push_back(MessageResult::Cancel);
    EXPECT_FALSE(editor.closeRequest());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Сохранить изменения?");
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNoCancel);
}

TEST_F(EditHistory, CloseRequestAnswers) {
    const test::ScratchDir dir;
    addZone(0);
    services.messageAnswers = {MessageResult::Cancel, MessageResult::No, MessageResult::Yes};
    EXPECT_FALSE(editor.closeRequest());
    EXPECT_TRUE(services.saveFilters.empty());
    EXPECT_TRUE(editor.closeRequest());
    EXPECT_TRUE(services.saveFilters.empty());
    // Yes runs the save; a cancelled save keeps the window open, as Cancel would.
    EXPECT_FALSE(editor.closeRequest());
    EXPECT_EQ(services.saveFilters.size(), 1u);
    EXPECT_EQ(editor.history().position(), 1);
    // A save that wrote: the window closes, and right after a save nothing is asked.
    services.messageAnswers.push_back(MessageResult::Yes);
    services.saveAnswers.push_back(dir.file("saved.tpz"));
    EXPECT_TRUE(editor.closeRequest());
    EXPECT_FALSE(editor.modified());
    const size_t asked = services.messages.size();
    EXPECT_TRUE(editor.closeRequest());
    EXPECT_EQ(services.messages.size(), asked);
}

TEST_F(EditHistory, NewTemplateResetsTemplateViewToolsAndHistory) {
    renameThroughDialog("Work");
    addZone(5);
    editor.stepBack();
    editor.setZoomLevel(0);
    editor.setOrigin(-3, 4);
    editor.setTool(kCopyTool);

    // Cancel: nothing changes.
    services.messageAnswers.push_back(MessageResult::Cancel);
    editor.newTemplate();
    EXPECT_EQ(editor.rmg().name, "Work");
    EXPECT_EQ(editor.tool(), kCopyTool);
    EXPECT_EQ(editor.view().zoomLevel, 0);

    // Yes with a cancelled save dialog stops as Cancel does.
    services.messageAnswers.push_back(MessageResult::Yes);
    editor.newTemplate();
    EXPECT_EQ(services.saveFilters.size(), 1u);
    EXPECT_EQ(editor.rmg().name, "Work");
    EXPECT_EQ(editor.tool(), kNoTool); // the save put the tool up

    // No: the new template.
    services.messageAnswers.push_back(MessageResult::No);
    editor.newTemplate();
    EXPECT_EQ(editor.rmg(), makeNewTemplate());
    EXPECT_EQ(editor.view(), ViewState{});
    EXPECT_EQ(editor.view().zoomLevel, 2);
    EXPECT_TRUE(editor.zoomInEnabled());
    EXPECT_TRUE(editor.zoomOutEnabled());
    EXPECT_EQ(editor.tool(), kNoTool);
    EXPECT_EQ(editor.history().length(), 0u);
    EXPECT_FALSE(editor.canStepBack());
    EXPECT_FALSE(editor.canStepForward());
    EXPECT_EQ(editor.caption(), "Редактор шаблонов - Unnamed template");

    // Unmodified: no question at all.
    editor.newTemplate();
    EXPECT_EQ(services.messages.size(), 3u);
}

TEST_F(EditHistory, NewTemplateNoDiscardsWithoutSaving) {
    addZone(0);
    services.messageAnswers.push_back(MessageResult::No);
    editor.newTemplate();
    EXPECT_TRUE(services.saveFilters.empty());
    EXPECT_TRUE(editor.rmg().zones.empty());
    EXPECT_FALSE(editor.modified());
}

TEST_F(EditHistory, NewTemplateYesSavesTheOldTemplate) {
    test::ScratchDir dir;
    renameThroughDialog("Keep me");
    services.messageAnswers.push_back(MessageResult::Yes);
    services.saveAnswers.push_back(dir.file("kept"));
    editor.newTemplate();
    TRmg kept = makeNewTemplate();
    kept.name = "Keep me";
    EXPECT_EQ(test::slurp(dir.file("kept.tpz")), encodeProject(kept));
    EXPECT_EQ(editor.rmg(), makeNewTemplate());
}

// The history object alone refuses steps it cannot take instead of reading
// outside its list.
TEST(HistoryObject, ImpossibleStepsChangeNothing) {
    History h;
    TRmg current;
    current.name = "Now";
    EXPECT_EQ(&h.stepBack(current), &current);
    EXPECT_EQ(&h.stepForward(current), &current);
    EXPECT_EQ(h.position(), 0);
    EXPECT_EQ(h.length(), 0u);

    h.push(current);
    EXPECT_EQ(&h.stepForward(current), &current);
    EXPECT_EQ(h.position(), 1);
    EXPECT_EQ(h.stepBack(current).name, "Now");
    EXPECT_EQ(h.position(), 0);
    EXPECT_EQ(&h.stepBack(current), &current);
    EXPECT_EQ(h.position(), 0);
    EXPECT_TRUE(h.canStepForward());

    h.clear();
    EXPECT_EQ(h.length(), 0u);
    EXPECT_FALSE(h.canStepBack());
    EXPECT_FALSE(h.canStepForward());
}

} // namespace
} // namespace zw
