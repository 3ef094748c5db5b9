// The edit history and the commands that discard the template, through the editor.
#include "editor/commands/close_request.h"
#include "editor/commands/new_template.h"
#include "editor/commands/save_project.h"
#include "editor/commands/template_settings.h"
#include "editor/editor.h"
#include "editor/session.h"
#include "model/history.h"
#include "model/project_file.h"
#include "support/document_edits.h"
#include "support/group_samples.h"
#include "support/model_samples.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace zw {
namespace {

using test::richTemplate;

// Where the history stands, as the window's buttons and caption show it.
struct Steps {
    int position;
    size_t length;
    bool back, forward, modified;
    bool operator==(const Steps&) const = default;
};
void PrintTo(const Steps& s, std::ostream* os) {
    *os << "position " << s.position << " of " << s.length << ", back " << s.back << ", forward "
        << s.forward << ", modified " << s.modified;
}
Steps stepsOf(const History& h) {
    return {h.position(), h.length(), h.canStepBack(), h.canStepForward(), h.modified()};
}

class EditHistory : public ::testing::Test {
  protected:
    EditHistory() { editor.setView(&view); }

    Document& doc() { return editor.document(); }
    Steps steps() { return stepsOf(doc().history()); }
    void back(int times = 1) {
        for (int i = 0; i < times; ++i)
            doc().stepBack();
    }
    void forward(int times = 1) {
        for (int i = 0; i < times; ++i)
            doc().stepForward();
    }

    // One change as a tool makes it: a step that adds a zone at column `x`.
    void addZone(int32_t x) {
        ZoneRecord z = makeDefaultZone();
        z.gridX = x;
        test::change(editor, [&](TRmg& t) { t.appendZone(z); });
    }
    void addThreeZones() {
        for (int32_t x : {0, 3, 6})
            addZone(x);
    }

    // A template settings OK that sets only the name.
    void renameThroughDialog(const std::string& name) {
        dialogs.templateAnswers.push_back([name](const TRmg& t) {
            TemplateSettings s{name, t.header.minSize, t.header.maxSize, t.header.playerCountIndex,
                               t.kinds};
            return std::optional<TemplateSettings>(s);
        });
        editTemplateSettings(editor);
    }

    // Asks for a new template, answering "Сохранить изменения?" with `answer`.
    void newTemplateAnswering(MessageResult answer) {
        services.messageAnswers.push_back(answer);
        newTemplate(session);
    }

    ScriptedServices services;
    ScriptedDialogs dialogs;
    test::CountingView view;
    Editor editor{services, dialogs};
    Session session{editor};
};

const std::string kUnnamedCaption = "Редактор шаблонов - Unnamed template";

TEST_F(EditHistory, StartsEmptyWithBothButtonsDisabled) {
    EXPECT_EQ(steps(), (Steps{0, 0, false, false, false}));
    // With nothing to reach, the steps do nothing.
    back();
    forward();
    EXPECT_EQ(doc().rmg(), makeNewTemplate());
    EXPECT_EQ(steps(), (Steps{0, 0, false, false, false}));
}

TEST_F(EditHistory, PushStoresTheStateBeforeTheChange) {
    const TRmg start = doc().rmg();
    addZone(0);
    EXPECT_EQ(steps(), (Steps{1, 1, true, false, true}));
    EXPECT_EQ(doc().history().snapshots()[0], start);
    // The snapshot shares nothing with the template that goes on changing.
    test::change(editor, [](TRmg& t) {
        t.zones[0].size = 99;
        t.name = "Other";
    });
    EXPECT_EQ(doc().history().snapshots()[0], start);
}

TEST_F(EditHistory, ThreeChangesAndThreeStepsBackReturnToTheStart) {
    const TRmg start = doc().rmg();
    addThreeZones();
    const TRmg last = doc().rmg();

    back();
    // The first step back keeps the current state so stepping forward reaches it.
    EXPECT_EQ(steps(), (Steps{2, 4, true, true, true}));
    EXPECT_EQ(doc().history().snapshots()[3], last);
    EXPECT_EQ(doc().rmg().zones.size(), 2u);

    back(2);
    EXPECT_EQ(doc().rmg(), start);
    EXPECT_EQ(steps(), (Steps{0, 4, false, true, false}));
    EXPECT_TRUE(closeRequest(session));
    EXPECT_TRUE(services.messages.empty());

    forward(3);
    EXPECT_EQ(doc().rmg(), last);
    EXPECT_EQ(steps(), (Steps{3, 4, true, false, true}));
    forward(); // disabled: nothing happens
    EXPECT_EQ(doc().rmg(), last);
    EXPECT_EQ(steps(), (Steps{3, 4, true, false, true}));
}

TEST_F(EditHistory, ChangeAfterStepBackCutsTheForwardStates) {
    addThreeZones();
    back(); // at two zones, forward reaches three
    addZone(20);
    EXPECT_EQ(steps(), (Steps{3, 3, true, false, true}));
    forward();
    EXPECT_EQ(doc().rmg().zones.back().gridX, 20);

    // Stepping back now stores the new state, never the one stepped away from.
    back();
    EXPECT_EQ(doc().history().length(), 4u);
    forward();
    ASSERT_EQ(doc().rmg().zones.size(), 3u);
    EXPECT_EQ(doc().rmg().zones[2].gridX, 20);
}

TEST_F(EditHistory, StepBackAndForwardRestoreEveryByteIncludingUnusedSlots) {
    test::install(editor, richTemplate());
    test::change(editor, [](TRmg& t) {
        t.connections[0].passageCount = 1;
        t.connections[0].passages[5].guard = 123456;
    });
    const TRmg changed = doc().rmg();
    back();
    EXPECT_EQ(doc().rmg(), richTemplate());
    EXPECT_EQ(encodeProject(doc().rmg()), encodeProject(richTemplate()));
    forward();
    EXPECT_EQ(doc().rmg(), changed);
    EXPECT_EQ(doc().rmg().connections[0].passages[5].guard, 123456);
}

TEST_F(EditHistory, StepsRenewCaptionAndScrollBarsButNotViewOrTool) {
    renameThroughDialog("Second");
    addZone(-4);
    editor.viewController().setZoomLevel(5);
    editor.viewController().setOrigin(7, 8);
    editor.setTool(kMoveTool);
    const int captions = view.captions;
    const int redraws = view.redraws;
    back(2);
    EXPECT_EQ(doc().caption(), kUnnamedCaption);
    EXPECT_GT(view.captions, captions);
    EXPECT_GT(view.redraws, redraws);
    EXPECT_EQ(editor.viewController().hBar().min, 0); // no zones left
    EXPECT_EQ(editor.viewController().state().zoomLevel, 5);
    EXPECT_EQ(editor.tool(), kMoveTool);
    forward();
    EXPECT_EQ(doc().caption(), "Редактор шаблонов - Second");
    forward();
    EXPECT_EQ(editor.viewController().hBar().min, -4);
    EXPECT_EQ(editor.tool(), kMoveTool);
}

TEST_F(EditHistory, TemplateSettingsOkWithoutChangesCountsAsAChange) {
    renameThroughDialog(doc().rmg().name);
    EXPECT_EQ(doc().history().position(), 1);
    EXPECT_TRUE(doc().canStepBack());
    EXPECT_EQ(doc().rmg(), makeNewTemplate());
    editTemplateSettings(editor); // Cancel records nothing.
    EXPECT_EQ(doc().history().position(), 1);
}

TEST_F(EditHistory, SavingDoesNotClearTheModifiedState) {
    addZone(0);
    services.saveAnswers.push_back("/nonexistent-folder/x.tpz"); // fails, reported
    saveProject(session);
    services.messageAnswers.push_back(MessageResult::Cancel);
    EXPECT_FALSE(closeRequest(session));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Сохранить изменения?");
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNoCancel);
}

TEST_F(EditHistory, CloseRequestAnswers) {
    const test::ScratchDir dir;
    addZone(0);
    services.messageAnswers = {MessageResult::Cancel, MessageResult::No, MessageResult::Yes};
    EXPECT_FALSE(closeRequest(session));
    EXPECT_TRUE(services.saveFilters.empty());
    EXPECT_TRUE(closeRequest(session));
    EXPECT_TRUE(services.saveFilters.empty());
    // Yes runs the save; a cancelled save keeps the window open, as Cancel would.
    EXPECT_FALSE(closeRequest(session));
    EXPECT_EQ(services.saveFilters.size(), 1u);
    EXPECT_EQ(doc().history().position(), 1);
    // A save that wrote: the window closes, and right after a save nothing is asked.
    services.messageAnswers.push_back(MessageResult::Yes);
    services.saveAnswers.push_back(dir.file("saved.tpz"));
    EXPECT_TRUE(closeRequest(session));
    EXPECT_FALSE(doc().modified());
    const size_t asked = services.messages.size();
    EXPECT_TRUE(closeRequest(session));
    EXPECT_EQ(services.messages.size(), asked);
}

TEST_F(EditHistory, NewTemplateResetsTemplateViewToolsAndHistory) {
    renameThroughDialog("Work");
    addZone(5);
    back();
    editor.viewController().setZoomLevel(0);
    editor.viewController().setOrigin(-3, 4);
    editor.setTool(kCopyTool);

    newTemplateAnswering(MessageResult::Cancel); // nothing changes
    EXPECT_EQ(doc().rmg().name, "Work");
    EXPECT_EQ(editor.tool(), kCopyTool);
    EXPECT_EQ(editor.viewController().state().zoomLevel, 0);

    // Yes with a cancelled save dialog stops as Cancel does.
    newTemplateAnswering(MessageResult::Yes);
    EXPECT_EQ(services.saveFilters.size(), 1u);
    EXPECT_EQ(doc().rmg().name, "Work");
    EXPECT_EQ(editor.tool(), kNoTool); // the save put the tool up

    newTemplateAnswering(MessageResult::No);
    EXPECT_EQ(doc().rmg(), makeNewTemplate());
    EXPECT_EQ(editor.viewController().state(), ViewState{});
    EXPECT_EQ(editor.viewController().state().zoomLevel, 2);
    EXPECT_TRUE(editor.viewController().zoomInEnabled());
    EXPECT_TRUE(editor.viewController().zoomOutEnabled());
    EXPECT_EQ(editor.tool(), kNoTool);
    EXPECT_EQ(steps(), (Steps{0, 0, false, false, false}));
    EXPECT_EQ(doc().caption(), kUnnamedCaption);

    newTemplate(session); // unmodified: no question at all
    EXPECT_EQ(services.messages.size(), 3u);
}

TEST_F(EditHistory, NewTemplateNoDiscardsWithoutSaving) {
    addZone(0);
    newTemplateAnswering(MessageResult::No);
    EXPECT_TRUE(services.saveFilters.empty());
    EXPECT_TRUE(doc().rmg().zones.empty());
    EXPECT_FALSE(doc().modified());
}

TEST_F(EditHistory, NewTemplateYesSavesTheOldTemplate) {
    test::ScratchDir dir;
    renameThroughDialog("Keep me");
    services.saveAnswers.push_back(dir.file("kept"));
    newTemplateAnswering(MessageResult::Yes);
    TRmg kept = makeNewTemplate();
    kept.name = "Keep me";
    EXPECT_EQ(test::slurp(dir.file("kept.tpz")), encodeProject(kept));
    EXPECT_EQ(doc().rmg(), makeNewTemplate());
}

// The history object alone refuses steps it cannot take instead of reading
// outside its list.
TEST(HistoryObject, ImpossibleStepsChangeNothing) {
    History h;
    TRmg current;
    current.name = "Now";
    EXPECT_EQ(&h.stepBack(current), &current);
    EXPECT_EQ(&h.stepForward(current), &current);
    EXPECT_EQ(stepsOf(h), (Steps{0, 0, false, false, false}));
    h.push(current);
    EXPECT_EQ(&h.stepForward(current), &current);
    EXPECT_EQ(stepsOf(h), (Steps{1, 1, true, false, true}));
    EXPECT_EQ(h.stepBack(current).name, "Now");
    EXPECT_EQ(&h.stepBack(current), &current);
    EXPECT_EQ(stepsOf(h), (Steps{0, 2, false, true, false}));
    h.clear();
    EXPECT_EQ(stepsOf(h), (Steps{0, 0, false, false, false}));
}

// Each step stores anew only the chunks of records that changed, wherever in
// the lists the change lies; every state still comes back whole.
TEST(HistoryObject, StatesShareTheRecordsThatDidNotChange) {
    struct Case {
        const char* edit;
        std::function<void(TRmg&)> change;
        size_t mostNewRecords;
    };
    // A chunk holds at most 32 records: a change inside one stores it, a
    // change at a chunk's edge or an insertion at most two.
    const Case cases[] = {
        {"move one zone", [](TRmg& t) { t.zones[77].gridX += 1; }, 32},
        {"move two zones far apart",
         [](TRmg& t) {
             t.zones[3].gridY += 1;
             t.zones[190].gridY += 1;
         },
         64},
        {"change a passage", [](TRmg& t) { t.connections[150].passages[2].guard = 1; }, 32},
        {"rename", [](TRmg& t) { t.name = "Renamed"; }, 0},
        {"nothing", [](TRmg&) {}, 0},
        {"append a zone", [](TRmg& t) { t.appendZone(test::zoneAt(500, 500)); }, 32},
        {"insert a zone first",
         [](TRmg& t) { t.zones.insert(t.zones.begin(), test::zoneAt(-9, -9)); }, 64},
        {"remove a zone in the middle", [](TRmg& t) { t.zones.erase(t.zones.begin() + 100); }, 64},
        {"remove a connection", [](TRmg& t) { t.removeConnection(10); }, 64},
        {"remove the last zones", [](TRmg& t) { t.zones.resize(150); }, 32},
    };
    TRmg t = test::gridTemplate(200, 300);
    History h;
    std::vector<TRmg> states;
    h.push(t, "start");
    states.push_back(t);
    for (const Case& c : cases) {
        const size_t before = h.storedRecords();
        c.change(t);
        h.push(t, c.edit);
        states.push_back(t);
        EXPECT_LE(h.storedRecords() - before, c.mostNewRecords) << c.edit;
    }
    // All the way back and forward again, every state as it was.
    const TRmg shown = t;
    for (size_t i = states.size(); i-- > 0;)
        EXPECT_EQ(h.stepBack(i + 1 == states.size() ? shown : states[i + 1]), states[i]) << i;
    EXPECT_EQ(h.snapshots(), [&] {
        std::vector<TRmg> all = states;
        all.push_back(shown);
        return all;
    }());
    for (size_t i = 1; i < states.size(); ++i)
        EXPECT_EQ(h.stepForward(states[i - 1]), states[i]) << i;
    EXPECT_EQ(h.stepForward(states.back()), shown);
}

// Random edits, steps and derived changes against a history that copies every
// state whole: both must hold the same states at the same position.
TEST(HistoryObject, SharedStatesMatchWholeCopies) {
    std::mt19937 rng(25);
    TRmg t = test::gridTemplate(120, 200);
    History h;
    std::vector<TRmg> copies; // the reference: every state copied whole
    size_t position = 0;
    auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
    for (int round = 0; round < 600; ++round) {
        const size_t what = pick(10);
        if (what < 6) { // a change: one of several kinds
            copies.resize(position + 1);
            copies[position] = t;
            h.push(t);
            ++position;
            switch (pick(5)) {
            case 0:
                if (!t.zones.empty())
                    t.zones[pick(t.zones.size())].gridX += 1;
                break;
            case 1:
                t.zones.insert(t.zones.begin() + static_cast<ptrdiff_t>(pick(t.zones.size() + 1)),
                               test::zoneAt(static_cast<int32_t>(pick(99)), 7));
                break;
            case 2:
                if (!t.zones.empty())
                    t.removeZone(static_cast<int>(pick(t.zones.size())));
                break;
            case 3:
                t.appendConnection(test::joining(0, 1));
                break;
            default:
                t.name = "n" + std::to_string(pick(3));
            }
        } else if (what < 8) {
            if (position > 0) {
                if (copies.size() == position)
                    copies.push_back(t);
                --position;
            }
            t = h.stepBack(t);
        } else if (what < 9) {
            if (position + 1 < copies.size())
                ++position;
            t = h.stepForward(t);
        } else { // derived without a step
            if (!t.zones.empty())
                t.zones[0].existMode ^= 1;
            if (position < copies.size())
                copies[position] = t;
            h.currentChanged(t);
        }
        ASSERT_EQ(static_cast<size_t>(h.position()), position) << round;
        ASSERT_EQ(h.length(), copies.size()) << round;
        if (position < copies.size()) {
            ASSERT_EQ(copies[position], t) << round;
        }
    }
    EXPECT_EQ(h.snapshots(), copies);
}

} // namespace
} // namespace zw
