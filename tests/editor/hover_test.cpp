// The hover logic: the item under the pointer, the panel's content and its
// placement toward the middle of the canvas.
#include "support/mouse_harness.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

// A canvas of odd width, so that W div 2 truncates: 601 x 401 gives 300 and 200.
struct HoverTest : ::testing::Test {
    MouseHarness h;
    void SetUp() override { h.editor.setCanvasSize(601, 401); }
    const InfoPanelState& panel() const { return h.editor.infoPanel(); }
};

TEST_F(HoverTest, OpensTowardTheMiddleFromEachQuarter) {
    // Nodes at zoom level 2 lie 60 pixels apart, the first centred at 30.
    h.placeZones({{1, 1}, {8, 1}, {1, 5}, {8, 5}});
    const int pw = kInfoPanelWidth;

    h.move(PixelPoint{95, 85}); // zone 0, top left quarter
    EXPECT_TRUE(panel().visible);
    EXPECT_EQ(h.editor.hoveredItem(), zoneRef(0));
    EXPECT_EQ(panel().content, zoneInfo(h.editor.rmg().zones[0]));
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

    ZoneRecord& z = h.editor.rmgMutable().zones[0];
    z.kind = 2;
    z.owner = 8;
    z.mineGold = 1;
    h.move(PixelPoint{170, 135});
    EXPECT_EQ(panel().left, left);
    EXPECT_EQ(panel().top, top);
    EXPECT_EQ(panel().content, zoneInfo(z));
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
    EXPECT_EQ(panel().content, connectionInfo(h.editor.rmg().connections[0]));
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

TEST_F(HoverTest, EditingLeavesThePanelAsItIs) {
    h.placeZones({{1, 1}, {6, 1}});
    h.selectTool(kDeleteTool);
    h.services.messageAnswers.push_back(MessageResult::Yes);
    const PixelPoint spot = h.zone(1);
    h.pressLeft(spot);
    h.editor.leftRelease(spot.x, spot.y); // no movement between press and release
    ASSERT_EQ(h.editor.rmg().zones.size(), 1u);
    EXPECT_TRUE(panel().visible);
    // The next movement finds the spot empty and hides it.
    h.move(h.node(6, 1));
    EXPECT_FALSE(panel().visible);
}

} // namespace
} // namespace zw
