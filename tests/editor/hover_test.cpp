// The hover logic: the item under the pointer, the panel's content and its
// placement toward the middle of the canvas.
#include "editor/commands/import_command.h"
#include "editor/commands/load_project.h"
#include "model/project_file.h"
#include "platform/files.h"
#include "rmg/template_list.h"
#include "support/document_edits.h"
#include "support/mouse_harness.h"
#include "support/rmg_rows.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace zw {
namespace {

// A canvas of odd width, so that W div 2 truncates: 601 x 401 gives 300 and 200.
struct HoverTest : ::testing::Test {
    MouseHarness h;
    void SetUp() override { h.editor.viewController().setCanvasSize(601, 401); }
    const InfoPanelState& panel() const { return h.editor.infoPanel(); }
};

TEST_F(HoverTest, OpensTowardTheMiddleFromEachQuarter) {
    // Nodes at zoom level 2 lie 60 pixels apart, the first centred at 30.
    h.placeZones({{1, 1}, {8, 1}, {1, 5}, {8, 5}});
    const int pw = kInfoPanelWidth;

    h.move(PixelPoint{95, 85}); // zone 0, top left quarter
    EXPECT_TRUE(panel().visible);
    EXPECT_EQ(h.editor.hoveredItem(), zoneRef(0));
    EXPECT_EQ(panel().content, zoneInfo(h.editor.document().rmg().zones[0]));
    EXPECT_EQ(panel().left, 95 + 50);
    EXPECT_EQ(panel().top, 85 + 50);

    h.move(PixelPoint{505, 95}); // zone 1, top right
    EXPECT_EQ(h.editor.hoveredItem(), zoneRef(1));
    EXPECT_EQ(panel().left, 505 - pw - 50);
    EXPECT_EQ(panel().top, 95 + 50);

    h.move(PixelPoint{90, 330}); // zone 2, bottom left
    const int ph = panel().content.height;
    EXPECT_EQ(panel().left, 90 + 50);
    EXPECT_EQ(panel().top, 330 - ph - 50);

    h.move(PixelPoint{510, 330}); // zone 3, bottom right
    EXPECT_EQ(panel().left, 510 - pw - 50);
    EXPECT_EQ(panel().top, 330 - ph - 50);
}

TEST_F(HoverTest, TheMiddleItselfBelongsToTheRightAndLowerHalves) {
    h.placeZones({{5, 3}}); // centred at (330, 210), radius 35
    h.move(PixelPoint{300, 200});
    EXPECT_EQ(panel().left, 300 - kInfoPanelWidth - 50);
    EXPECT_EQ(panel().top, 200 - panel().content.height - 50);
    h.move(PixelPoint{20, 20});
    h.move(PixelPoint{299, 199});
    EXPECT_EQ(panel().left, 299 + 50);
    EXPECT_EQ(panel().top, 199 + 50);
}

TEST_F(HoverTest, StaysInPlaceOnTheSameItemButRefillsItsTexts) {
    h.placeZones({{2, 2}});
    h.move(PixelPoint{150, 150});
    const int left = panel().left;
    const int top = panel().top;

    // Changed without a pointer movement; the next movement shows the new texts.
    test::change(h.editor, [](TRmg& t) {
        ZoneRecord& z = t.zones[0];
        z.kind = 2;
        z.owner = 8;
        z.mineGold = 1;
    });
    h.move(PixelPoint{170, 135});
    EXPECT_EQ(panel().left, left);
    EXPECT_EQ(panel().top, top);
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
    EXPECT_EQ(panel().left, 300 - kInfoPanelWidth - 50);
    EXPECT_EQ(panel().top, 335 - panel().content.height - 50);
}

TEST_F(HoverTest, WindowIsToldOnlyWhenThePanelChanges) {
    h.placeZones({{1, 1}});
    h.move(PixelPoint{250, 250}); // empty, already hidden
    EXPECT_EQ(h.view.panelChanges, 0);
    h.move(PixelPoint{90, 90});
    EXPECT_EQ(h.view.panelChanges, 1);
    h.move(PixelPoint{95, 90}); // same zone, same texts, same place
    EXPECT_EQ(h.view.panelChanges, 1);
    h.move(PixelPoint{250, 250});
    EXPECT_EQ(h.view.panelChanges, 2);
    h.move(PixelPoint{260, 250});
    EXPECT_EQ(h.view.panelChanges, 2);
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

// What changes the picture under a resting pointer, and the item that is
// then under it (nullopt: whatever the lookup finds).
struct PictureChange {
    const char* name;
    std::function<void(MouseHarness&, const test::ScratchDir&)> arrange;
    std::function<void(MouseHarness&)> change;
    std::optional<ItemRef> itemAfter;
};

TEST_F(HoverTest, ItemAndPanelAreLookedUpAgainWhenThePictureChangesUnderThePointer) {
    const auto movedTo = [](MouseHarness& m, int32_t gx) {
        test::change(m.editor, [gx](TRmg& t) { t.zones[0].gridX = gx; });
    };
    const PictureChange cases[] = {
        {"zoom",
         [](MouseHarness& m, auto&) {
             m.placeZones({{4, 4}});
         },
         // About the top-left corner: the zone moves from under the pointer.
         [](MouseHarness& m) {
             m.editor.viewController().wheel(-kWheelNotch, PixelPoint{0, 0});
         },
         0},
        {"scroll",
         [](MouseHarness& m, auto&) {
             m.placeZones({{4, 4}});
         },
         [](MouseHarness& m) { m.editor.viewController().keyChar(U'd'); }, 0},
        {"step back",
         [&](MouseHarness& m, auto&) {
             m.placeZones({{7, 4}});
             movedTo(m, 4);
         },
         [](MouseHarness& m) { m.editor.document().stepBack(); }, 0},
        {"step forward",
         [&](MouseHarness& m, auto&) {
             m.placeZones({{4, 4}});
             movedTo(m, 7);
             m.editor.document().stepBack();
         },
         [](MouseHarness& m) { m.editor.document().stepForward(); }, 0},
        {"load",
         [](MouseHarness& m, const test::ScratchDir& dir) {
             m.placeZones({{4, 4}});
             TRmg other = makeNewTemplate();
             ZoneRecord z = makeDefaultZone();
             z.gridX = 7;
             z.gridY = 4;
             other.appendZone(z);
             writeWholeFile(dir.file("other.tpz"), encodeProject(other));
             m.services.openAnswers.push_back(dir.file("other.tpz"));
         },
         [](MouseHarness& m) { loadProject(m.session); }, 0},
        {"import",
         [](MouseHarness& m, const test::ScratchDir& dir) {
             m.placeZones({{4, 4}});
             test::spit(dir.file("rmg.txt"),
                        test::kTestHeader + test::rmgRow({{0, "T"}, {3, "1"}, {13, "1"}}));
             m.services.openAnswers.push_back(dir.file("rmg.txt"));
             m.dialogs.listAnswers.push_back([](TemplateListSession& session) {
                 session.click(0);
                 return session.importTemplate();
             });
         },
         [](MouseHarness& m) { importCommand(m.session); }, std::nullopt},
        {"closed zone dialog",
         [](MouseHarness& m, auto&) {
             m.placeZones({{4, 4}});
             m.dialogs.zoneAnswers.push_back([](const ZoneRecord& z) {
                 ZoneRecord edited = z;
                 edited.kind = 2;
                 edited.owner = 8;
                 return edited;
             });
         },
         [](MouseHarness& m) { m.editor.rightPress(270, 270); }, zoneRef(0)},
        {"zone created under the pointer",
         [](MouseHarness& m, auto&) {
             m.selectTool(kCreateZoneTool);
             m.dialogs.zoneAnswers.push_back(ScriptedDialogs::acceptZone());
         },
         [](MouseHarness& m) { m.editor.leftPress(270, 270); }, zoneRef(0)},
        {"pointer gone from the canvas",
         [](MouseHarness& m, auto&) {
             m.placeZones({{4, 4}});
         },
         [](MouseHarness& m) {
             m.editor.pointerLeft();
             m.editor.viewController().zoomIn();
         },
         0},
    };
    for (const PictureChange& c : cases) {
        SCOPED_TRACE(c.name);
        MouseHarness m;
        m.editor.viewController().setCanvasSize(601, 401);
        m.editor.setView(&m.view);
        const test::ScratchDir dir;
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
