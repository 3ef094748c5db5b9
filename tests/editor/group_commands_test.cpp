// The commands on the selection through the editor: the clipboard between two
// editors, mirroring and rotating, duplicating for players and the zone dialog
// on several zones. Each change is one history step; a refusal changes nothing.
#include "editor/commands/clipboard_commands.h"
#include "editor/commands/edit_actions.h"
#include "editor/commands/symmetry_commands.h"
#include "model/fragment.h"
#include "model/project_file.h"
#include "support/document_edits.h"
#include "support/editor_fixtures.h"
#include "support/group_samples.h"

namespace zw {
namespace {

using test::joining;
using test::templateOf;
using test::zoneAt;
using Nodes = std::vector<GridPoint>;

Selection zonesSelected(std::initializer_list<int32_t> zones) {
    Selection s;
    for (const int32_t k : zones)
        s.addZone(k);
    return s;
}

Nodes nodesOf(const TRmg& t) {
    Nodes nodes;
    for (const ZoneRecord& z : t.zones)
        nodes.push_back({z.gridX, z.gridY});
    return nodes;
}

struct GroupTest : test::HarnessTest {
    // `t` as loaded, with nothing in its history, and `zones` selected.
    void start(const TRmg& t, std::initializer_list<int32_t> zones = {}) {
        test::install(h.editor, t);
        h.editor.setSelection(zonesSelected(zones));
    }
    // One error message holding `part`, and nothing changed.
    void expectRefusedWith(const TRmg& before, const std::string& part) {
        ASSERT_EQ(h.services.messages.size(), 1u);
        const RecordedMessage& m = h.services.messages[0];
        EXPECT_NE(m.text.find(part), std::string::npos) << m.text;
        EXPECT_EQ(m.kind, MessageKind::Error);
        EXPECT_EQ(m.buttons, MessageButtons::Ok);
        expectUntouched(before);
    }
};
using ClipboardCommands = GroupTest;
using SymmetryCommands = GroupTest;
using MultiZoneDialog = GroupTest;

// ---- Clipboard ----

TEST_F(ClipboardCommands, CopyInOneEditorPastesInAnotherBesideTheOriginalsAndStepsBack) {
    start(templateOf({zoneAt(0, 0, 1), zoneAt(2, 0, 2), zoneAt(8, 0)}, {{0, 1}, {1, 2}}), {0, 1});
    copySelection(h.editor);
    EXPECT_EQ(steps(), 0); // copying changes nothing
    ASSERT_TRUE(h.services.clipboard.contains(std::string(kFragmentMimeType)));
    EXPECT_EQ(h.services.clipboard["text/plain"],
              h.services.clipboard[std::string(kFragmentMimeType)]);

    // The second editor shares the clipboard; its pointer never entered the canvas.
    ScriptedDialogs otherDialogs;
    Editor other(h.services, otherDialogs);
    const TRmg otherBefore = templateOf({zoneAt(-5, -5)});
    test::install(other, otherBefore);
    pasteClipboard(other);
    EXPECT_TRUE(h.services.messages.empty());
    const TRmg& t = other.document().rmg();
    EXPECT_EQ(nodesOf(t), (Nodes{{-5, -5}, {0, 0}, {2, 0}}));
    EXPECT_EQ(t.zones[1].owner, 1);
    EXPECT_EQ(t.zones[2].owner, 2);
    // Only the connection with both ends copied comes along, re-pointed.
    EXPECT_EQ(t.connections, (std::vector<ConnectionRecord>{joining(1, 2)}));
    EXPECT_EQ(other.selection(), zonesSelected({1, 2}));
    EXPECT_EQ(other.document().history().position(), 1);
    EXPECT_TRUE(other.document().modified());
    other.document().stepBack();
    EXPECT_EQ(other.document().rmg(), otherBefore);
}

TEST_F(ClipboardCommands, PasteLandsAtThePointerNodeOrTheNearestFreePlace) {
    start(templateOf({zoneAt(0, 0), zoneAt(2, 2)}, {{0, 1}}), {0, 1});
    copySelection(h.editor);
    h.move(h.node(6, 3));
    pasteClipboard(h.editor);
    EXPECT_EQ(nodesOf(rmg()), (Nodes{{0, 0}, {2, 2}, {6, 3}, {8, 5}}));

    // Over the originals: moved to the nearest place where nothing touches.
    h.move(h.node(0, 0));
    pasteClipboard(h.editor);
    ASSERT_EQ(rmg().zones.size(), 6u);
    const auto anchor =
        findPasteAnchor(templateOf({zoneAt(0, 0), zoneAt(2, 2), zoneAt(6, 3), zoneAt(8, 5)}),
                        templateOf({zoneAt(0, 0), zoneAt(2, 2)}), 0, 0);
    const GridNode64 expected = std::get<GridNode64>(anchor);
    const ZoneRecord& z = rmg().zones[4];
    EXPECT_EQ(z.gridX, expected.x);
    EXPECT_EQ(z.gridY, expected.y);
    for (size_t k = 0; k < 4; ++k)
        EXPECT_FALSE(nodesTouch(z.gridX, z.gridY, rmg().zones[k].gridX, rmg().zones[k].gridY)) << k;
    EXPECT_EQ(steps(), 2);

    // The pointer left the canvas: beside the originals.
    h.editor.pointerLeft();
    pasteClipboard(h.editor);
    EXPECT_EQ(rmg().zones.size(), 8u);
    EXPECT_EQ(h.editor.selection(), zonesSelected({6, 7}));
}

TEST_F(ClipboardCommands, PasteBringsThePastedZonesIntoView) {
    // A group six nodes wide, pasted with the pointer near the canvas's
    // right edge; then one that fits where it lands.
    start(templateOf({zoneAt(0, 0), zoneAt(6, 4)}, {{0, 1}}), {0, 1});
    copySelection(h.editor);
    const ViewController& view = h.editor.viewController();
    h.move(PixelPoint{view.canvasWidth() - 5, view.canvasHeight() - 5});
    pasteClipboard(h.editor);
    ASSERT_EQ(rmg().zones.size(), 4u);
    for (size_t k = 2; k < 4; ++k) {
        const PixelPoint p = nodeToPixel(view.state(), rmg().zones[k].gridX, rmg().zones[k].gridY);
        EXPECT_TRUE(p.x > 0 && p.y > 0 && p.x < view.canvasWidth() && p.y < view.canvasHeight())
            << "zone " << k + 1 << " at " << p.x << "," << p.y;
    }
    const ViewState moved = view.state();
    h.editor.setSelection(zonesSelected({0}));
    copySelection(h.editor);
    h.move(h.node(moved.originX + 3, moved.originY + 3));
    pasteClipboard(h.editor);
    EXPECT_EQ(view.state(), moved); // already in view: the view stays
    // So does a zone whose circle just reaches the canvas's left edge.
    ZoneRecord edge = zoneAt(0, 0);
    edge.size = 10; // radius one half cell
    start(templateOf({edge}), {0});
    copySelection(h.editor);
    const ViewState before = view.state();
    h.move(h.node(before.originX, before.originY + 3));
    pasteClipboard(h.editor);
    ASSERT_EQ(rmg().zones.size(), 2u);
    EXPECT_EQ(nodeToPixel(before, rmg().zones[1].gridX, rmg().zones[1].gridY).x,
              zoneRadiusPixels(edge.size, before));
    EXPECT_EQ(view.state(), before);
}

TEST_F(ClipboardCommands, CutIsOneStepAndPastesBackInPlace) {
    const TRmg before =
        templateOf({zoneAt(0, 0), zoneAt(2, 0), zoneAt(8, 8)}, {{0, 1}, {1, 2}, {2, 0}});
    start(before, {0, 1});
    cutSelection(h.editor);
    EXPECT_EQ(nodesOf(rmg()), (Nodes{{8, 8}}));
    EXPECT_TRUE(rmg().connections.empty());
    EXPECT_TRUE(h.editor.selection().empty());
    EXPECT_EQ(steps(), 1);
    h.editor.document().stepBack();
    EXPECT_EQ(rmg(), before);
    h.editor.document().stepForward();
    h.editor.pointerLeft();
    pasteClipboard(h.editor); // in the place of the cut zones
    EXPECT_EQ(nodesOf(rmg()), (Nodes{{8, 8}, {0, 0}, {2, 0}}));
}

TEST_F(ClipboardCommands, BadClipboardIsRefusedWithAMessageAndChangesNothing) {
    const std::string zone = R"({"gridX": 0, "gridY": 0})";
    const std::string fragment = R"({"zonewright-fragment": 1, "zones": [)";
    struct Case {
        std::optional<std::string> text; // nullopt: nothing on the clipboard
        std::string message;             // a part of it
    } cases[] = {
        {std::nullopt, "нет фрагмента"},
        {"просто текст", "нет фрагмента"},
        // Beyond what the canvas shows and scrolls to.
        {fragment + R"({"gridX": 2147483647, "gridY": 0}]})",
         "Фрагмент не вставлен: координаты локаций должны быть от -2000000000 до 2000000000."},
        {fragment + zone + R"(, {"gridX": 0, "gridY": -2000000001}]})", "от -2000000000 до"},
    };
    const TRmg before = templateOf({zoneAt(0, 0)});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.value_or("(empty)"));
        start(before);
        h.services.messages.clear();
        h.services.clipboard.clear();
        if (c.text)
            h.services.clipboard["text/plain"] = *c.text;
        pasteClipboard(h.editor);
        expectRefusedWith(before, c.message);
    }
    // A fragment that would take the template past what the project file holds.
    TRmg big = makeNewTemplate();
    big.zones.assign(kMaxProjectRecords, zoneAt(0, 0));
    start(big);
    h.services.messages.clear();
    h.services.setClipboard(kFragmentMimeType, fragmentToText(templateOf({zoneAt(5, 5)})));
    pasteClipboard(h.editor);
    expectRefusedWith(big, "65535");
}

TEST_F(ClipboardCommands, TheFragmentTypeIsPreferredOverPlainText) {
    h.services.clipboard["text/plain"] = "просто текст";
    h.services.clipboard[std::string(kFragmentMimeType)] =
        fragmentToText(templateOf({zoneAt(3, 3)}));
    h.editor.pointerLeft();
    pasteClipboard(h.editor);
    EXPECT_TRUE(h.services.messages.empty());
    EXPECT_EQ(nodesOf(rmg()), (Nodes{{3, 3}}));
}

// ---- Symmetry ----

TEST_F(SymmetryCommands, EachMenuActionTransformsTheSelectionAsOneStep) {
    // Extent x 0..2, y 0..4: centre (1, 2). Zone 3 is not selected.
    const TRmg before = templateOf({zoneAt(0, 0), zoneAt(2, 0), zoneAt(2, 4), zoneAt(20, 20)});
    struct Case {
        std::string_view action;
        Nodes nodes;
        std::string step;
    } cases[] = {
        {"mirror-left-right", {{2, 0}, {0, 0}, {0, 4}}, "Отражение 3 локаций слева направо"},
        {"mirror-top-bottom", {{0, 4}, {2, 4}, {2, 0}}, "Отражение 3 локаций сверху вниз"},
        {"rotate-90", {{3, 1}, {3, 3}, {-1, 3}}, "Поворот 3 локаций на 90°"},
        {"rotate-180", {{2, 4}, {0, 4}, {0, 0}}, "Поворот 3 локаций на 180°"},
        {"rotate-270", {{-1, 3}, {-1, 1}, {3, 1}}, "Поворот 3 локаций на 270°"},
    };
    ASSERT_EQ(symmetryActions().size(), 6u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        start(before);
        const EditAction* action = findEditAction(c.action);
        ASSERT_TRUE(action);
        EXPECT_FALSE(action->enabled(h.editor));
        h.editor.setSelection(zonesSelected({0, 1, 2}));
        ASSERT_TRUE(action->enabled(h.editor));
        action->run(h.editor);
        Nodes expected = c.nodes;
        expected.push_back({20, 20});
        EXPECT_EQ(nodesOf(rmg()), expected);
        EXPECT_EQ(h.editor.selection(), zonesSelected({0, 1, 2}));
        EXPECT_EQ(steps(), 1);
        EXPECT_EQ(h.editor.document().stepBackName(), c.step);
        h.editor.document().stepBack();
        EXPECT_EQ(rmg(), before);
    }
}

TEST_F(SymmetryCommands, RefusedWhenAZoneWouldLandNextToAnUnselectedOne) {
    const TRmg before = templateOf({zoneAt(0, 0), zoneAt(4, 2), zoneAt(0, 3)});
    start(before, {0, 1});
    transformSelection(h.editor, Symmetry::MirrorLeftRight); // (4, 2) goes to (0, 2)
    expectRefusedWith(before, std::string(kNodeTakenMessage));
}

TEST_F(SymmetryCommands, DuplicateForPlayersAppendsTheMappedCopyAsOneStep) {
    // Player 1's start zone and treasure zone and a neutral junction, joined.
    const TRmg before =
        templateOf({zoneAt(0, 0, 1, 0), zoneAt(2, 4, 1, 1), zoneAt(0, 8, 0, 2)}, {{0, 1}, {2, 1}});
    start(before, {0, 1, 2});
    duplicateSelectionForPlayers(h.editor); // cancelled
    EXPECT_EQ(rmg(), before);

    DuplicateSettings settings;
    settings.owners[1] = 2;
    settings.symmetry = Symmetry::MirrorLeftRight;
    h.dialogs.duplicateAnswers.push_back(settings);
    findEditAction("duplicate-for-players")->run(h.editor);
    EXPECT_EQ(h.dialogs.duplicateCalls, 2);
    const TRmg once = rmg();
    ASSERT_EQ(once.zones.size(), 6u);
    EXPECT_EQ(nodesOf(once)[3], (GridPoint{6, 0})); // about the pivot (3, 9)
    EXPECT_EQ(once.zones[3].owner, 2);
    EXPECT_EQ(once.zones[3].kind, 0);
    EXPECT_EQ(once.zones[4].owner, 2);
    EXPECT_EQ(once.zones[5].owner, 0);
    EXPECT_EQ(once.connections.size(), 4u);
    EXPECT_EQ(h.editor.selection(), zonesSelected({0, 1, 2})); // the originals stay selected
    EXPECT_EQ(steps(), 1);

    // The same again lands on the first copies: refused, nothing changes.
    h.dialogs.duplicateAnswers.push_back(settings);
    duplicateSelectionForPlayers(h.editor);
    EXPECT_EQ(h.services.messageTexts(),
              (std::vector<std::string>{std::string(kNodeTakenMessage)}));
    EXPECT_EQ(rmg(), once);
    EXPECT_EQ(steps(), 1);
}

// ---- The zone dialog on several zones ----

TEST_F(MultiZoneDialog, RightClickOnASelectedZoneEditsAllSelectedAsOneStep) {
    start(templateOf({zoneAt(0, 0), zoneAt(4, 0), zoneAt(8, 0)}), {0, 2});
    h.dialogs.zonesAnswers.push_back(test::confirmedWith([](std::vector<ZoneRecord>& zones) {
        for (ZoneRecord& z : zones) {
            z.mineGold = 5;
            z.gridX = 99; // the zones stay where they are
        }
    }));
    h.clickRight(h.zone(2));
    ASSERT_EQ(h.dialogs.zonesCalls.size(), 1u);
    EXPECT_EQ(h.dialogs.zonesCalls[0].size(), 2u);
    EXPECT_TRUE(h.dialogs.zoneCalls.empty());
    EXPECT_EQ(nodesOf(rmg()), (Nodes{{0, 0}, {4, 0}, {8, 0}}));
    EXPECT_EQ(rmg().zones[0].mineGold, 5);
    EXPECT_EQ(rmg().zones[1].mineGold, 0);
    EXPECT_EQ(rmg().zones[2].mineGold, 5);
    EXPECT_EQ(steps(), 1);
    // An unselected zone opens the single zone dialog.
    h.clickRight(h.zone(1));
    EXPECT_EQ(h.dialogs.zoneCalls.size(), 1u);
    EXPECT_EQ(h.dialogs.zonesCalls.size(), 1u);
}

TEST_F(MultiZoneDialog, EveryResultingZoneMustPassBeforeAnythingIsStored) {
    // The first treasure group's high set to 2000 on zones of 100/500 and 3000/9000.
    TRmg t = templateOf({zoneAt(0, 0), zoneAt(4, 0), zoneAt(8, 0)});
    t.zones[0].treasure[0] = {100, 500, 1};
    t.zones[2].treasure[0] = {3000, 9000, 1};
    start(t, {0, 2});
    h.dialogs.zonesAnswers.push_back(test::confirmedWith([](std::vector<ZoneRecord>& zones) {
        for (ZoneRecord& z : zones)
            z.treasure[0].high = 2000;
    }));
    h.clickRight(h.zone(0));
    EXPECT_EQ(h.services.messageTexts(),
              std::vector<std::string>{"Ошибка в локации 3\r\rГруппа сокровищ #1, минимальная "
                                       "богатость больше максимальной"});
    expectUntouched(t);
}

} // namespace
} // namespace zw
