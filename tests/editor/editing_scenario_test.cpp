// A whole template drawn the way a user draws it: tool buttons, pointer
// movements, presses and releases on the canvas, dialogs filled in by scripts.
// It is then checked, compiled into an rmg.txt table and imported back. A
// four-player template is made from one player's quarter with the commands on
// the selection.
#include "dialogs/multi_zone_logic.h"
#include "editor/commands/check_command.h"
#include "editor/commands/compile_command.h"
#include "editor/commands/import_command.h"
#include "editor/commands/symmetry_commands.h"
#include "editor/commands/template_settings.h"
#include "rmg/template_list.h"
#include "support/editor_fixtures.h"
#include "support/group_samples.h"
#include "support/import_expectations.h"
#include "support/scratch_dir.h"

#include <filesystem>
#include <string>

namespace zw {
namespace {

using test::connectionWith;
using test::passage;

// What the user sets in the zone dialog for each kind of zone.
std::function<void(ZoneRecord&)> startZone(int player) {
    return [player](ZoneRecord& z) {
        z.kind = 0;
        z.owner = player;
        z.size = 18;
        z.townMode = 2; // one town with fort
        z.mineWood = 1;
        z.mineOre = 1;
    };
}

std::function<void(ZoneRecord&)> ownedTreasure(int player) {
    return [player](ZoneRecord& z) {
        z.kind = 1;
        z.owner = player;
        z.townMode = 1; // one town without fort
        z.mineGold = 1;
        z.treasure[0] = TreasureGroup{1000, 2000, 5};
    };
}

// The neutral junction in the middle, and the rich, well guarded zone below it.
void junction(ZoneRecord& z) {
    z.kind = 2;
    z.size = 10;
    z.townMode = 3;
    z.neutralCastles = 1;
    z.neutralTowns = 2;
}

void richZone(ZoneRecord& z) {
    z.monsterStrength = 3;
    z.mineGems = 2;
    z.mineCrystal = 1;
}

std::function<void(ConnectionRecord&, bool)> guarded(int32_t guard) {
    return [guard](ConnectionRecord& c, bool) { c.passages[0].guard = guard; };
}

std::function<void(ConnectionRecord&, bool)> ofKind(int32_t kind) {
    return [kind](ConnectionRecord& c, bool) { c.passages[0].kind = kind; };
}

// Draws the two-player template: two start zones, a treasure zone for each
// player, a neutral junction in the middle and a rich neutral zone below it,
// with seven connections, one of them of two passages. On the way the user
// makes a few mistakes and mends them with the tools.
void drawTwoPlayerTemplate(MouseHarness& h) {
    h.dialogs.templateAnswers.push_back([](const TRmg& from) {
        TemplateSettings s;
        s.name = "Scenario two";
        s.minSize = from.header.minSize;
        s.maxSize = from.header.maxSize;
        s.playerCountIndex = 0;
        s.kinds = from.kinds;
        return std::optional<TemplateSettings>(s);
    });
    editTemplateSettings(h.editor);

    h.drawZone(1, 1, startZone(1));     // 1
    h.drawZone(9, 1, startZone(2));     // 2
    h.drawZone(1, 5, ownedTreasure(1)); // 3
    h.drawZone(9, 5, ownedTreasure(2)); // 4
    h.drawZone(5, 3, junction);         // 5
    h.drawZone(5, 6, richZone);         // 6
    // A zone too close to the junction is refused.
    h.selectTool(kCreateZoneTool);
    h.clickLeft(h.node(6, 4));
    h.drawZone(11, 7); // 7, put down by mistake

    h.drawConnection(0, 2);
    h.drawConnection(3, 1, guarded(4500));
    h.drawConnection(0, 4, guarded(3000));
    h.drawConnection(4, 1, guarded(3000));
    h.drawConnection(2, 5, ofKind(1));
    h.drawConnection(3, 5, ofKind(2));
    h.drawConnection(4, 5);
    h.drawConnection(5, 4, [](ConnectionRecord& c, bool further) {
        ASSERT_TRUE(further);
        c.passages[1].guard = 8000;
    });
    h.drawConnection(6, 5); // to the mistaken zone
    // A drag that misses the zone it was meant to start from.
    h.selectTool(kCreateConnectionTool);
    h.drag(h.node(7, 1), h.zone(1));

    // The rich zone is bigger than first set, and one row lower.
    h.dialogs.zoneAnswers.push_back(test::confirmedWith([](ZoneRecord& z) { z.size = 30; }));
    h.clickRight(h.zone(5));
    h.selectTool(kMoveTool);
    h.drag(h.zone(5), h.node(5, 7));

    // The mistaken zone goes, with its connection.
    h.selectTool(kDeleteTool);
    h.services.messageAnswers.push_back(MessageResult::Yes);
    h.clickLeft(h.zone(6));
    h.editor.toolClicked(kDeleteTool); // raise the button again
}

// The same template written down record by record.
TRmg expectedTemplate() {
    TRmg t = makeNewTemplate();
    t.name = "Scenario two";
    auto zoneAt = [&t](int32_t x, int32_t y, const std::function<void(ZoneRecord&)>& set) {
        ZoneRecord z = makeDefaultZone();
        if (set)
            set(z);
        z.gridX = x;
        z.gridY = y;
        t.appendZone(z);
    };
    zoneAt(1, 1, startZone(1));
    zoneAt(9, 1, startZone(2));
    zoneAt(1, 5, ownedTreasure(1));
    zoneAt(9, 5, ownedTreasure(2));
    zoneAt(5, 3, junction);
    zoneAt(5, 7, [](ZoneRecord& z) {
        richZone(z);
        z.size = 30;
    });
    const PassageRecord plain = passage(0, 6000);
    t.appendConnection(connectionWith(0, 2, {plain}));
    t.appendConnection(connectionWith(3, 1, {passage(0, 4500)}));
    t.appendConnection(connectionWith(0, 4, {passage(0, 3000)}));
    t.appendConnection(connectionWith(4, 1, {passage(0, 3000)}));
    t.appendConnection(connectionWith(2, 5, {passage(1, 6000)}));
    t.appendConnection(connectionWith(3, 5, {passage(2, 6000)}));
    t.appendConnection(connectionWith(4, 5, {plain, passage(0, 8000)}));
    return t;
}

TEST(EditingScenario, TwoPlayerTemplateDrawnWithTheMouse) {
    MouseHarness h;
    drawTwoPlayerTemplate(h);

    EXPECT_EQ(h.editor.document().rmg(), expectedTemplate());
    // The refused zone and the missed drag each showed one message.
    ASSERT_EQ(h.services.messages.size(), 3u);
    EXPECT_EQ(h.services.messages[2].kind, MessageKind::Confirmation);
    // One step for the settings, 7 zones, 9 connection dialogs, the edit, the
    // move and the deletion.
    EXPECT_EQ(h.editor.document().history().position(), 20);
    EXPECT_EQ(h.editor.tool(), kNoTool);
    EXPECT_EQ(h.editor.dragSource(), 0);
    // The deleted zone's column stays in the range.
    EXPECT_EQ(h.editor.viewController().hBar().max, 11);
    EXPECT_EQ(h.editor.viewController().vBar().max, 7);

    h.services.messages.clear();
    EXPECT_TRUE(checkAndReport(h.editor));
    EXPECT_TRUE(h.services.messages.empty());

    // Every step can be taken back, down to the empty template.
    while (h.editor.document().canStepBack())
        h.editor.document().stepBack();
    EXPECT_TRUE(h.editor.document().rmg().zones.empty());
    EXPECT_FALSE(h.editor.document().modified());
    while (h.editor.document().canStepForward())
        h.editor.document().stepForward();
    EXPECT_EQ(h.editor.document().rmg(), expectedTemplate());
}

TEST(EditingScenario, CheckFindsTheMissingStartZoneWhileDrawing) {
    MouseHarness h;
    h.drawZone(1, 1, startZone(1));
    h.services.messages.clear();
    EXPECT_FALSE(checkAndReport(h.editor));
    ASSERT_EQ(h.services.messages.size(), 1u);
    EXPECT_EQ(h.services.messages[0].text,
              "Обнаружена логическая ошибка.\rУ игрока 2 нет стартовой локации");
    h.drawZone(6, 1, startZone(2));
    h.services.messages.clear();
    EXPECT_TRUE(checkAndReport(h.editor));
    EXPECT_TRUE(h.services.messages.empty());
}

TEST(EditingScenario, CompiledAndImportedBackGivesTheSameTemplate) {
    test::ScratchDir dir;
    const std::string table = dir.file("rmg.txt");

    MouseHarness h;
    drawTwoPlayerTemplate(h);
    const int steps = h.editor.document().history().position();
    h.services.messages.clear();
    h.services.exeDir = ZW_DATA_DIR; // header.txt starts the new table
    h.services.saveAnswers.push_back(table);
    compileCommand(h.editor);
    ASSERT_TRUE(h.services.messages.empty()) << h.services.messages[0].text;
    ASSERT_TRUE(h.services.fileErrors.empty()) << h.services.fileErrors[0];
    ASSERT_TRUE(std::filesystem::exists(table));
    // The compile stores the derived limits without a step.
    EXPECT_EQ(h.editor.document().history().position(), steps);
    const TRmg compiled = h.editor.document().rmg();

    // A second editor, as a later run of the program, imports the table.
    MouseHarness back;
    back.services.openAnswers.push_back(table);
    back.dialogs.listAnswers.push_back([](TemplateListSession& session) {
        session.click(0);
        session.doubleClick();
        return session.importTemplate();
    });
    importCommand(back.session);
    ASSERT_TRUE(back.services.messages.empty()) << back.services.messages[0].text;
    const TRmg& imported = back.editor.document().rmg();

    test::expectImportedAsCompiled(imported, compiled);

    // The imported template counts as unchanged and is ready for moving zones.
    EXPECT_EQ(back.editor.document().history().position(), 0);
    EXPECT_EQ(back.editor.tool(), kMoveTool);
    EXPECT_EQ(back.editor.document().caption(), "Редактор шаблонов - Scenario two");
}

TEST(EditingScenario, FourPlayerTemplateFromOneQuarterDuplicatedForPlayers) {
    MouseHarness h;
    // Player 1's top-left quarter: a start zone, two treasure zones and a
    // junction towards the centre, joined in a ring. Its pivot is (5, 5).
    h.drawZone(1, 1, startZone(1));
    h.drawZone(3, 1, ownedTreasure(1));
    h.drawZone(1, 3, ownedTreasure(1));
    h.drawZone(4, 4, [](ZoneRecord& z) { z.kind = 2; });
    h.drawConnection(0, 1);
    h.drawConnection(0, 2);
    h.drawConnection(1, 3);
    h.drawConnection(2, 3);
    const TRmg quarter = h.editor.document().rmg();
    h.selectTool(kSelectionTool);
    h.drag(h.node(0, 0), h.node(5, 5));
    const Selection originals = h.editor.selection();
    ASSERT_EQ(originals.zones(), (std::vector<int32_t>{0, 1, 2, 3}));

    // The other three quarters, clockwise: each duplicate keeps the originals
    // selected, so all three turn about the same point.
    std::vector<TRmg> states = {quarter};
    const std::pair<Symmetry, int32_t> parts[] = {
        {Symmetry::Rotate90, 2}, {Symmetry::Rotate180, 3}, {Symmetry::Rotate270, 4}};
    for (const auto& [symmetry, player] : parts) {
        DuplicateSettings settings;
        settings.owners = identityOwnerMap();
        settings.owners[1] = player;
        settings.symmetry = symmetry;
        h.dialogs.duplicateAnswers.push_back(settings);
        duplicateSelectionForPlayers(h.editor);
        EXPECT_EQ(h.editor.selection(), originals);
        states.push_back(h.editor.document().rmg());
    }
    EXPECT_TRUE(h.services.messages.empty()) << h.services.messageTexts()[0];
    const TRmg& all = h.editor.document().rmg();
    const std::vector<GridPoint> nodes = {{1, 1}, {3, 1}, {1, 3}, {4, 4}, {9, 1}, {9, 3},
                                          {7, 1}, {6, 4}, {9, 9}, {7, 9}, {9, 7}, {6, 6},
                                          {1, 9}, {1, 7}, {3, 9}, {4, 6}};
    ASSERT_EQ(all.zones.size(), nodes.size());
    ASSERT_EQ(all.connections.size(), 16u);
    for (size_t k = 0; k < nodes.size(); ++k) {
        const size_t part = k / 4;
        ZoneRecord expected = quarter.zones[k % 4];
        expected.gridX = nodes[k].x;
        expected.gridY = nodes[k].y;
        if (expected.owner == 1)
            expected.owner = static_cast<int32_t>(part + 1);
        EXPECT_EQ(all.zones[k], expected) << k;
        ConnectionRecord link = quarter.connections[k % 4];
        link.zoneA += static_cast<int32_t>(4 * part);
        link.zoneB += static_cast<int32_t>(4 * part);
        EXPECT_EQ(all.connections[k], link) << k;
    }

    // The copies' six treasure zones get a richer treasure at once; every
    // other field of each stays its own.
    const TreasureGroup richer{3000, 6000, 9};
    h.clickLeft(h.zone(5));
    for (const int k : {6, 9, 10, 13, 14})
        h.ctrlClickLeft(h.zone(k));
    h.dialogs.zonesAnswers.push_back([&richer](const std::vector<ZoneRecord>& from) {
        const MergedZones m = mergeZones(from);
        ZoneRecord edited = m.merged;
        edited.treasure[0] = richer;
        return std::optional(applyChangedFields(from, edited, changedFields(m.merged, edited, {})));
    });
    h.clickRight(h.zone(9));
    ASSERT_EQ(h.dialogs.zonesCalls.size(), 1u);
    EXPECT_EQ(h.dialogs.zonesCalls[0].size(), 6u);
    TRmg richerCopies = all;
    for (const size_t k : {5, 6, 9, 10, 13, 14})
        richerCopies.zones[k].treasure[0] = richer;
    EXPECT_EQ(h.editor.document().rmg(), richerCopies);
    states.push_back(richerCopies);

    // Each of the four steps goes back and comes again.
    for (size_t i = states.size() - 1; i > 0; --i) {
        h.editor.document().stepBack();
        EXPECT_EQ(h.editor.document().rmg(), states[i - 1]) << i;
    }
    for (size_t i = 1; i < states.size(); ++i) {
        h.editor.document().stepForward();
        EXPECT_EQ(h.editor.document().rmg(), states[i]) << i;
    }
    EXPECT_FALSE(h.editor.document().canStepForward());
}

} // namespace
} // namespace zw
