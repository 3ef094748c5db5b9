// The hover logic: the item under the pointer, the panel's content and its
// placement toward the middle of the canvas.
#include "editor/commands/import_command.h"
#include "editor/commands/load_project.h"
#include "model/project_file.h"
#include "platform/files.h"
#include "rmg/template_list.h"
#include "support/document_edits.h"
#include "support/editor_fixtures.h"
#include "support/group_samples.h"
#include "support/rmg_rows.h"
#include "support/scratch_dir.h"

namespace zw {
namespace {

// A canvas of odd width, so that W div 2 truncates: 601 x 401 gives 300 and 200.
struct HoverTest : ::testing::Test {
    MouseHarness h;
    void SetUp() override { h.editor.viewController().setCanvasSize(601, 401); }
    const InfoPanelState& panel() const { return h.editor.infoPanel(); }
    // The panel opens 50 pixels from the pointer toward the middle (300, 200);
    // the middle itself belongs to the right and lower halves.
    void expectPanelToward(PixelPoint p) const {
        EXPECT_EQ(panel().left, p.x < 300 ? p.x + 50 : p.x - kInfoPanelWidth - 50);
        EXPECT_EQ(panel().top, p.y < 200 ? p.y + 50 : p.y - panel().content.height - 50);
    }
};

TEST_F(HoverTest, OpensTowardTheMiddleFromEachQuarterAndFromTheMiddle) {
    // Nodes at zoom level 2 lie 60 pixels apart, the first centred at 30;
    // zone 4 is centred at (330, 210), radius 35.
    h.placeZones({{1, 1}, {8, 1}, {1, 5}, {8, 5}, {5, 3}});
    const struct {
        PixelPoint at;
        int zone;
    } rows[] = {{{95, 85}, 0},   {{505, 95}, 1},  {{90, 330}, 2},
                {{510, 330}, 3}, {{300, 200}, 4}, {{299, 199}, 4}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.at.x << "," << r.at.y);
        h.move(PixelPoint{20, 20});
        h.move(r.at);
        EXPECT_TRUE(panel().visible);
        EXPECT_EQ(h.editor.hoveredItem(), zoneRef(r.zone));
        EXPECT_EQ(panel().content, zoneInfo(h.editor.document().rmg().zones[r.zone]));
        expectPanelToward(r.at);
    }
    EXPECT_EQ(panel().left, 299 + 50); // one row spelled out
}

TEST_F(HoverTest, StaysInPlaceOnTheSameItemButRefillsItsTexts) {
    h.placeZones({{2, 2}});
    h.move(PixelPoint{150, 150});
    const InfoPanelState before = panel();
    // Changed without a pointer movement; the next movement shows the new texts.
    test::change(h.editor, [](TRmg& t) {
        t.zones[0].kind = 2;
        t.zones[0].owner = 8;
        t.zones[0].mineGold = 1;
    });
    h.move(PixelPoint{170, 135});
    EXPECT_EQ(panel().left, before.left);
    EXPECT_EQ(panel().top, before.top);
    EXPECT_NE(panel().content, before.content);
    EXPECT_EQ(panel().content, zoneInfo(h.editor.document().rmg().zones[0]));
}

TEST_F(HoverTest, JumpsWhenThePointerPassesDirectlyToAnotherItem) {
    h.placeZones({{1, 1}, {3, 1}});
    h.move(PixelPoint{90, 90});
    EXPECT_EQ(panel().left, 140);
    h.move(PixelPoint{100, 90}); // still zone 0
    EXPECT_EQ(panel().left, 140);
    h.move(PixelPoint{200, 90}); // zone 1, no empty canvas in between
    EXPECT_EQ(h.editor.hoveredItem(), zoneRef(1));
    EXPECT_EQ(panel().left, 250);
}

TEST_F(HoverTest, EmptyCanvasHidesItAndForgetsTheItem) {
    h.placeZones({{1, 1}});
    EXPECT_FALSE(panel().visible); // hidden at start
    h.move(PixelPoint{90, 90});
    h.move(PixelPoint{250, 250});
    EXPECT_FALSE(panel().visible);
    EXPECT_EQ(h.editor.hoveredItem(), 0);
    // Coming back to the same zone places the panel anew.
    h.move(PixelPoint{80, 100});
    EXPECT_TRUE(panel().visible);
    EXPECT_EQ(panel().left, 130);
    EXPECT_EQ(panel().top, 150);
}

TEST_F(HoverTest, ConnectionsUseTheirOwnSummaryAndHeight) {
    h.placeZones({{1, 5}, {8, 5}});
    h.join(1, 0, 3);
    h.move(PixelPoint{300, 335}); // on the line y = 330, in the right half
    EXPECT_EQ(h.editor.hoveredItem(), connectionRef(0));
    EXPECT_EQ(panel().content, connectionInfo(h.editor.document().rmg().connections[0]));
    expectPanelToward(PixelPoint{300, 335});
}

TEST_F(HoverTest, WindowIsToldOnlyWhenThePanelChanges) {
    h.placeZones({{1, 1}});
    // Empty and already hidden; the zone; the same zone, texts and place; empty twice.
    const struct {
        PixelPoint at;
        int changes;
    } moves[] = {{{250, 250}, 0}, {{90, 90}, 1}, {{95, 90}, 1}, {{250, 250}, 2}, {{260, 250}, 2}};
    for (const auto& m : moves) {
        h.move(m.at);
        EXPECT_EQ(h.view.panelChanges, m.changes) << m.at.x << "," << m.at.y;
    }
}

TEST_F(HoverTest, AnEditLooksTheItemUnderARestingPointerUpAgain) {
    h.placeZones({{1, 1}, {6, 1}});
    h.selectTool(kDeleteTool);
    h.services.messageAnswers.push_back(MessageResult::Yes);
    const PixelPoint spot = h.zone(1);
    h.pressLeft(spot);
    h.editor.leftRelease(spot.x, spot.y); // no movement between press and release
    ASSERT_EQ(h.editor.document().rmg().zones.size(), 1u);
    // The deleted zone's summary doesn't outlive it.
    EXPECT_EQ(h.editor.hoveredItem(), 0);
    EXPECT_FALSE(panel().visible);
}

// What changes the picture under a pointer resting on node (4, 4), where a zone
// lies unless `placed` is false; the item then under it (nullopt: whatever the
// lookup finds); and what else comes before.
struct PictureChange {
    const char* name;
    std::function<void(MouseHarness&)> change;
    std::optional<ItemRef> itemAfter = 0;
    std::function<void(MouseHarness&, const test::ScratchDir&)> arrange = nullptr;
    bool placed = true;
};

void moveZone0To(MouseHarness& m, int32_t gx) {
    test::change(m.editor, [gx](TRmg& t) { t.zones[0].gridX = gx; });
}

TEST_F(HoverTest, ItemAndPanelAreLookedUpAgainWhenThePictureChangesUnderThePointer) {
    using Dir = const test::ScratchDir&;
    const PictureChange cases[] = {
        // About the top-left corner: the zone moves from under the pointer.
        {"zoom",
         [](MouseHarness& m) {
             m.editor.viewController().wheel(-kWheelNotch, PixelPoint{0, 0});
         }},
        {"scroll", [](MouseHarness& m) { m.editor.viewController().keyChar(U'd'); }},
        {"step back", [](MouseHarness& m) { m.editor.document().stepBack(); }, 0,
         [](MouseHarness& m, Dir) {
             moveZone0To(m, 7);
             moveZone0To(m, 4);
         }},
        {"step forward", [](MouseHarness& m) { m.editor.document().stepForward(); }, 0,
         [](MouseHarness& m, Dir) {
             moveZone0To(m, 7);
             m.editor.document().stepBack();
         }},
        {"load", [](MouseHarness& m) { loadProject(m.session); }, 0,
         [](MouseHarness& m, Dir dir) {
             writeWholeFile(dir.file("other.tpz"),
                            encodeProject(test::templateOf({test::zoneAt(7, 4)})));
             m.services.openAnswers.push_back(dir.file("other.tpz"));
         }},
        {"import", [](MouseHarness& m) { importCommand(m.session); }, std::nullopt,
         [](MouseHarness& m, Dir dir) {
             test::spit(dir.file("rmg.txt"),
                        test::kTestHeader + test::rmgRow({{0, "T"}, {3, "1"}, {13, "1"}}));
             m.services.openAnswers.push_back(dir.file("rmg.txt"));
             m.dialogs.listAnswers.push_back([](TemplateListSession& session) {
                 session.click(0);
                 return session.importTemplate();
             });
         }},
        {"closed zone dialog", [](MouseHarness& m) { m.editor.rightPress(270, 270); }, zoneRef(0),
         [](MouseHarness& m, Dir) {
             m.dialogs.zoneAnswers.push_back(test::confirmedWith([](ZoneRecord& z) {
                 z.kind = 2;
                 z.owner = 8;
             }));
         }},
        {"zone created under the pointer", [](MouseHarness& m) { m.editor.leftPress(270, 270); },
         zoneRef(0),
         [](MouseHarness& m, Dir) {
             m.selectTool(kCreateZoneTool);
             m.dialogs.zoneAnswers.push_back(ScriptedDialogs::acceptZone());
         },
         false},
        {"pointer gone from the canvas",
         [](MouseHarness& m) {
             m.editor.pointerLeft();
             m.editor.viewController().zoomIn();
         }},
    };
    for (const PictureChange& c : cases) {
        SCOPED_TRACE(c.name);
        MouseHarness m;
        m.editor.viewController().setCanvasSize(601, 401);
        m.editor.setView(&m.view);
        const test::ScratchDir dir;
        if (c.placed)
            m.placeZones({{4, 4}});
        if (c.arrange)
            c.arrange(m, dir);
        const PixelPoint rest{270, 270}; // node (4, 4) at the start zoom
        m.move(rest);
        const InfoPanelState before = m.editor.infoPanel();
        const int changesBefore = m.view.panelChanges;

        c.change(m);
        const TRmg& t = m.editor.document().rmg();
        const ItemRef item = m.editor.hoveredItem();
        EXPECT_EQ(item, c.itemAfter.value_or(
                            hitTest(t, m.editor.viewController().state(), rest.x, rest.y)));
        const InfoPanelState& after = m.editor.infoPanel();
        EXPECT_EQ(after.visible, item != 0);
        if (refIsZone(item)) {
            EXPECT_EQ(after.content, zoneInfo(t.zones[static_cast<size_t>(refZone(item))]));
        }
        if (c.itemAfter) {
            EXPECT_FALSE(after.visible == before.visible && after.content == before.content);
            EXPECT_GT(m.view.panelChanges, changesBefore);
        }
        // A right click now edits what is under the pointer, or nothing.
        const size_t zoneDialogs = m.dialogs.zoneCalls.size();
        m.editor.rightPress(rest.x, rest.y);
        EXPECT_EQ(m.dialogs.zoneCalls.size(), zoneDialogs + (refIsZone(item) ? 1 : 0));
    }
}

} // namespace
} // namespace zw
