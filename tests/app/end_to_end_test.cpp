// One working session through the real main window, as a user goes about it:
// a two-player template drawn with the tool buttons and the mouse, its settings
// set, steps taken back and forward, saved, replaced by a new template, loaded
// again, checked, compiled into a new rmg.txt and then into the same one again,
// imported back, and the window closed with the question about unsaved work.
// Dialogs and file choosers are answered by scripts.
#include "app/main_window.h"
#include "editor/commands/start_up.h"
#include "model/project_file.h"
#include "model/text.h"
#include "platform/files.h"
#include "rmg/template_list.h"
#include "support/group_samples.h"
#include "support/import_expectations.h"
#include "support/scratch_dir.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"
#include "support/shown_title.h"
#include "support/window_pointer.h"

#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace zw {
namespace {

using namespace zw::test::buttons;
using test::connectionWith;
using test::passage;

const std::string kName = utf8ToCp1251("Двое у реки");
const std::string kSaveQuestion = "Сохранить изменения?";

// What the user sets in the zone dialog for each zone of the template.
using ZoneSettings = std::function<void(ZoneRecord&)>;

ZoneSettings startZone(int player) {
    return [player](ZoneRecord& z) {
        z.kind = 0;
        z.owner = player;
        z.size = 18;
        z.townMode = 2; // one town with a fort
        z.mineWood = 1;
        z.mineOre = 1;
    };
}

ZoneSettings ownedTreasure(int player) {
    return [player](ZoneRecord& z) {
        z.kind = 1;
        z.owner = player;
        z.townMode = 1; // one town without a fort
        z.mineGold = 1;
        z.treasure[0] = TreasureGroup{1000, 2000, 5};
    };
}

void junction(ZoneRecord& z) {
    z.kind = 2;
    z.size = 10;
    z.townMode = 3;
    z.neutralCastles = 1;
    z.neutralTowns = 2;
    z.sameTownType = true;
}

void richNeutral(ZoneRecord& z) {
    z.monsterStrength = 3;
    z.mineGems = 2;
    z.mineCrystal = 1;
    z.terrains[6] = false; // no underground
}

struct PlannedZone {
    int32_t x, y;
    ZoneSettings set;
};
const PlannedZone kZones[] = {{1, 1, startZone(1)},     {9, 1, startZone(2)},
                              {1, 5, ownedTreasure(1)}, {9, 5, ownedTreasure(2)},
                              {5, 3, junction},         {5, 6, richNeutral}};

// The template as the user means to draw it, written down record by record.
TRmg intendedTemplate() {
    TRmg t = makeNewTemplate();
    t.name = kName;
    t.header.minSize = 4;
    t.header.maxSize = 18;
    t.header.playerCountIndex = 0;
    t.kinds.playerKind[1] = 1; // player 2 is a computer
    for (const auto& [x, y, set] : kZones) {
        ZoneRecord z = makeDefaultZone();
        set(z);
        z.gridX = x;
        z.gridY = y;
        t.appendZone(z);
    }
    t.appendConnection(connectionWith(0, 2, {passage(0, 6000)}));
    t.appendConnection(connectionWith(3, 1, {passage(0, 4500)}));
    t.appendConnection(connectionWith(0, 4, {passage(0, 3000)}));
    t.appendConnection(connectionWith(4, 1, {passage(0, 3000)}));
    t.appendConnection(connectionWith(2, 5, {passage(1, 6000)}));
    t.appendConnection(connectionWith(3, 5, {passage(2, 6000)}));
    t.appendConnection(connectionWith(4, 5, {passage(0, 6000), passage(0, 8000)}));
    return t;
}

class EndToEndTest : public ::testing::Test {
  protected:
    test::ScratchDir dir;
    ScriptedServices services;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<WindowPointer> pointer_;
    const TRmg drawn = intendedTemplate();
    const std::string project = dir.file("двое у реки.tpz");
    const std::string table = dir.file("rmg.txt");
    const std::string header = test::slurp(std::string(ZW_DATA_DIR) + "/header.txt");
    TRmg compiled;

    void TearDown() override {
        pointer_.reset();
        window.reset();
    }

    const TRmg& rmg() { return window->editor().document().rmg(); }
    int position() { return window->editor().document().history().position(); }
    bool enabled(ToolbarId id) { return window->button(id)->isEnabled(); }
    WindowPointer& pointer() { return *pointer_; }
    // The user at the window: tool buttons and the mouse, with the dialogs filled in.
    void drawZone(int32_t gx, int32_t gy, const ZoneSettings& settings) {
        pointer().selectTool(CreateZone);
        dialogs.zoneAnswers.push_back([settings](const ZoneRecord& from) {
            ZoneRecord z = from;
            settings(z);
            return std::optional<ZoneRecord>(z);
        });
        pointer().click(pointer().node(gx, gy));
    }
    // From zone a to zone b (indices); `kind` and `guard` go into the passage
    // the dialog adds (the first one, or the further one of an existing pair).
    void drawConnection(int a, int b, int32_t kind = 0, int32_t guard = 6000) {
        pointer().selectTool(CreateConnection);
        dialogs.connectionAnswers.push_back(
            [kind, guard](const ConnectionRecord& from, bool further) {
                ConnectionRecord c = ScriptedDialogs::acceptConnection()(from, further).value();
                PassageRecord& p = c.passages[static_cast<size_t>(c.passageCount - 1)];
                p.kind = kind;
                p.guard = guard;
                return std::optional<ConnectionRecord>(c);
            });
        pointer().drag(pointer().zone(a), pointer().zone(b));
    }

    void expectTitle(const char* name) {
        EXPECT_EQ(test::shownTitle(*window), "Редактор шаблонов - " + QString::fromUtf8(name));
    }
    void expectSavedIn(const std::string& path, const TRmg& expected) {
        const auto decoded = decodeProject(test::slurp(path));
        ASSERT_TRUE(std::holds_alternative<TRmg>(decoded));
        EXPECT_EQ(std::get<TRmg>(decoded), expected);
    }
    // The table holds header.txt, then the rows of the one template.
    void expectTableOfOne() {
        const std::string written = test::slurp(table);
        ASSERT_EQ(written.substr(0, header.size()), header);
        const auto entries = splitTable(written);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].name, kName);
    }

  public: // the steps, in the order the scenario takes them
    // The window is shown, then the start-up runs.
    void start() {
        services.exeDir = ZW_DATA_DIR; // header.txt for new tables lies there
        window = std::make_unique<MainWindow>(services, dialogs);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        startUp(window->session());
        expectTitle("Unnamed template");
        pointer_ = std::make_unique<WindowPointer>(*window);
        pointer().moveTo(QPoint(window->canvas()->width() - 4, window->canvas()->height() - 4));
    }

    void setTemplateSettings() {
        dialogs.templateAnswers.push_back([](const TRmg& from) {
            zw::TemplateSettings s;
            s.name = kName;
            s.minSize = 4;
            s.maxSize = 18;
            s.playerCountIndex = 0;
            s.kinds = from.kinds;
            s.kinds.playerKind[1] = 1;
            return std::optional<zw::TemplateSettings>(s);
        });
        pointer().clickButton(Settings);
        expectTitle("Двое у реки*");
        EXPECT_TRUE(enabled(StepBack));
    }

    // Drawing, with the slips a user makes and mends.
    void draw() {
        for (const auto& [x, y, set] : kZones) // the last one a row too high, moved below
            drawZone(x, &set == &kZones[5].set ? y - 1 : y, set);
        drawConnection(0, 2);
        drawConnection(3, 1, 0, 4500);
        drawConnection(0, 4, 0, 3000);
        drawConnection(4, 1, 0, 3000);
        drawConnection(2, 5, 1);
        drawConnection(3, 5, 2);
        drawConnection(4, 5);
        drawConnection(5, 4, 0, 8000); // a second passage on the same pair
        // A stray zone with a connection, then deleted with it.
        drawZone(11, 7, [](ZoneRecord&) {});
        drawConnection(6, 3);

        pointer().selectTool(Move);
        pointer().drag(pointer().zone(5), pointer().node(5, 6));
        pointer().selectTool(Delete);
        services.messageAnswers.push_back(MessageResult::Yes);
        pointer().click(pointer().zone(6));
        ASSERT_EQ(rmg(), drawn);
        // Settings, 7 zones, 9 connection dialogs, the move and the deletion.
        EXPECT_EQ(position(), 19);
    }

    // Two steps back (the deletion and the move) and forward again.
    void stepBackAndForward() {
        pointer().clickButton(StepBack);
        pointer().clickButton(StepBack);
        EXPECT_EQ(rmg().zones.size(), 7u);
        EXPECT_EQ(rmg().zones[5].gridY, 5);
        pointer().clickButton(StepForward);
        pointer().clickButton(StepForward);
        EXPECT_EQ(rmg(), drawn);
    }

    // The file holds the template, and the work counts as saved.
    void save() {
        services.saveAnswers.push_back(project);
        pointer().clickButton(Save);
        ASSERT_TRUE(services.fileErrors.empty()) << services.fileErrors[0];
        expectSavedIn(project, drawn);
        expectTitle("Двое у реки");
    }

    // After a save nothing is asked.
    void newTemplate() {
        services.messages.clear();
        pointer().clickButton(New);
        EXPECT_TRUE(services.messages.empty());
        EXPECT_EQ(rmg(), makeNewTemplate());
        expectTitle("Unnamed template");
        EXPECT_FALSE(enabled(StepBack));
    }

    // No question, since nothing was changed since.
    void loadBack() {
        services.messages.clear();
        services.openAnswers.push_back(project);
        pointer().clickButton(Load);
        EXPECT_TRUE(services.messages.empty());
        EXPECT_EQ(rmg(), drawn);
        expectTitle("Двое у реки");
        EXPECT_FALSE(enabled(StepBack));
    }

    void check() {
        pointer().clickButton(Check);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, "Ошибок не обнаружено");
    }

    void compileIntoANewTable() {
        services.messages.clear();
        services.saveAnswers.push_back(table);
        pointer().clickButton(Compile);
        ASSERT_TRUE(services.messages.empty()) << services.messages[0].text;
        ASSERT_TRUE(services.fileErrors.empty()) << services.fileErrors[0];
        EXPECT_EQ(dialogs.listCalls, 0);
        expectTableOfOne();
        EXPECT_FALSE(window->editor().document().modified()); // the refresh records no step
    }

    // An edit with the right button, then the list dialog replaces the template
    // of the same name.
    void compileIntoTheSameTable() {
        dialogs.connectionAnswers.push_back([](const ConnectionRecord& from, bool) {
            ConnectionRecord c = from;
            c.passages[0].guard = 2000;
            return std::optional<ConnectionRecord>(c);
        });
        pointer().click(pointer().onConnection(0), Qt::RightButton);
        ASSERT_EQ(rmg().connections[0].passages[0].guard, 2000);
        dialogs.listAnswers.push_back([](TemplateListSession& session) {
            EXPECT_EQ(session.mode(), ListMode::Adding);
            EXPECT_EQ(session.nameField, kName);
            EXPECT_EQ(session.entries().size(), 1u);
            return session.addTemplate().value_or(ListOutcome::Abandon);
        });
        services.saveAnswers.push_back(table);
        pointer().clickButton(Compile);
        ASSERT_TRUE(services.messages.empty()) << services.messages[0].text;
        EXPECT_EQ(dialogs.listCalls, 1);
        expectTableOfOne();
        compiled = rmg();
        EXPECT_EQ(position(), 1);
    }

    // Asks about the unsaved edit; "No" drops it.
    void importBack() {
        services.messageAnswers.push_back(MessageResult::No);
        services.openAnswers.push_back(table);
        dialogs.listAnswers.push_back([](TemplateListSession& session) {
            EXPECT_EQ(session.mode(), ListMode::Import);
            session.click(0);
            session.doubleClick();
            return session.importTemplate();
        });
        pointer().clickButton(Import);
        EXPECT_EQ(services.messageTexts(), std::vector<std::string>{kSaveQuestion});
        services.messages.clear();
        EXPECT_EQ(dialogs.listCalls, 2);
        test::expectImportedAsCompiled(rmg(), compiled);
        expectTitle("Двое у реки");
    }

    // Unchanged, the window closes unasked; changed, "Cancel" keeps it open and
    // "Yes" saves, then closes.
    void close() {
        EXPECT_TRUE(window->close());
        EXPECT_TRUE(services.messages.empty());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

        // A zone edited with the right button makes it changed. The view is
        // brought to zone 1 first, wherever the layout put it.
        const ZoneRecord first = rmg().zones[0];
        window->editor().viewController().setOrigin(first.gridX - 5, first.gridY - 3);
        dialogs.zoneAnswers.push_back([](const ZoneRecord& from) {
            ZoneRecord z = from;
            z.size += 1;
            return std::optional<ZoneRecord>(z);
        });
        pointer().click(pointer().zone(0), Qt::RightButton);
        ASSERT_TRUE(window->editor().document().modified());

        services.messageAnswers.push_back(MessageResult::Cancel);
        EXPECT_FALSE(window->close());
        EXPECT_TRUE(window->isVisible());
        const std::string last = dir.file("last.tpz");
        services.messageAnswers.push_back(MessageResult::Yes);
        services.saveAnswers.push_back(last);
        EXPECT_TRUE(window->close());
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(services.messageTexts(), std::vector<std::string>(2, kSaveQuestion));
        expectSavedIn(last, rmg());
    }
};

TEST_F(EndToEndTest, TwoPlayerTemplateFromFirstClickToClosingTheWindow) {
    for (const auto step :
         {&EndToEndTest::start, &EndToEndTest::setTemplateSettings, &EndToEndTest::draw,
          &EndToEndTest::stepBackAndForward, &EndToEndTest::save, &EndToEndTest::newTemplate,
          &EndToEndTest::loadBack, &EndToEndTest::check, &EndToEndTest::compileIntoANewTable,
          &EndToEndTest::compileIntoTheSameTable, &EndToEndTest::importBack,
          &EndToEndTest::close}) {
        (this->*step)();
        if (HasFatalFailure())
            return;
    }
}

} // namespace
} // namespace zw
