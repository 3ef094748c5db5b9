#include "dialogs/connection_logic.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

PassageRecord passage(int32_t kind, int32_t guard, bool autoExist, int32_t lo = 1, int32_t hi = 8) {
    PassageRecord p;
    p.kind = kind;
    p.guard = guard;
    p.autoExist = autoExist;
    p.minHumans = lo;
    p.maxHumans = hi;
    p.minPlayers = lo;
    p.maxPlayers = hi;
    return p;
}

ConnectionRecord threePassages() {
    ConnectionRecord c = makeDefaultConnection();
    c.zoneA = 4;
    c.zoneB = 9;
    c.passageCount = 3;
    c.passages[0] = passage(0, 2000, true);
    c.passages[1] = passage(1, 3000, false, 2, 5);
    c.passages[2] = passage(2, 12500, false, 3, 4);
    return c;
}

ConnectionForm filled(const ConnectionRecord& c) {
    ConnectionForm f;
    f.fill(c);
    return f;
}

TEST(ConnectionForm, NewConnectionOpensWithOneOrdinaryGuardedTab) {
    ConnectionForm f = filled(makeDefaultConnection());
    EXPECT_EQ(passageTabCaption(0), "П. 1");
    EXPECT_EQ(f.controls.guard.text(), "Средняя (6000)");
    // Tabs, the selected one, the passage kind; automatic conditions, guard and limits shown.
    EXPECT_EQ(std::tuple(f.tabCount(), f.selectedTab(), f.controls.kind), std::tuple(1, 0, 0));
    EXPECT_EQ(std::tuple(f.controls.autoExist, f.guardVisible(), f.limitsVisible()),
              std::tuple(true, true, false));
}

TEST(ConnectionForm, RaisingTheCountShowsTheWorkingSlots) {
    ConnectionRecord c = makeDefaultConnection();
    c.passages[1].guard = 4500;
    ConnectionForm f = filled(c);
    f.controls.kind = 2; // edit of passage 1, written back by the count change
    f.changeCount(3);
    EXPECT_EQ(passageTabCaption(2), "П. 3");
    // Slot 0 loaded again.
    EXPECT_EQ(std::tuple(f.tabCount(), f.selectedTab(), f.controls.kind), std::tuple(3, 0, 2));
    f.selectTab(1);
    EXPECT_EQ(f.controls.guard.held(), 4500);
    f.selectTab(2);
    EXPECT_EQ(f.controls.guard.held(), 6000); // passage defaults
    const ConnectionRecord r = f.accept();
    EXPECT_EQ(std::pair(r.passageCount, r.passages[0].kind), std::pair(3, 2));
}

TEST(ConnectionForm, LoweringAndRaisingTheCountBringsBackOldPassages) {
    ConnectionForm f = filled(threePassages());
    f.changeCount(1);
    EXPECT_EQ(f.tabCount(), 1);
    f.changeCount(3);
    f.selectTab(1);
    EXPECT_EQ(std::pair(f.controls.kind, f.controls.guard.held()), std::pair(1, 3000));
    f.selectTab(2);
    EXPECT_EQ(f.controls.kind, 2);
    EXPECT_EQ(f.controls.limits, (std::array<int32_t, 4>{3, 4, 3, 4}));
    // Slots beyond a lowered count are stored as they are.
    f.changeCount(2);
    const ConnectionRecord r = f.accept();
    EXPECT_EQ(r.passageCount, 2);
    EXPECT_EQ(r.passages[2], threePassages().passages[2]);
}

TEST(ConnectionForm, TabSwitchWritesTheLeftSlotBeforeLoading) {
    ConnectionForm f = filled(threePassages());
    f.selectTab(1);
    f.controls.guard.choose(6); // "Сильная (10000)"
    f.controls.kind = 0;
    f.controls.limits[3] = 7;
    f.selectTab(0);
    PassageRecord left = threePassages().passages[1];
    left.guard = 10000, left.kind = 0, left.maxPlayers = 7;
    EXPECT_EQ(f.working().passages[1], left);
    EXPECT_EQ(f.controls.guard.held(), 2000); // slot 0 shown
    EXPECT_EQ(f.working().passages[0], threePassages().passages[0]);
}

TEST(ConnectionForm, GuardTypedBeforeATabSwitchIsKept) {
    // A click on a tab does not take the focus from the guard box.
    ConnectionForm f = filled(threePassages());
    f.controls.guard.type("7777");
    f.selectTab(2);
    EXPECT_EQ(f.working().passages[0].guard, 7777);
    f.controls.guard.type("1");
    EXPECT_EQ(f.accept().passages[2].guard, 1);
}

TEST(ConnectionForm, WidePassageHidesTheGuardAndKeepsIt) {
    ConnectionForm f = filled(makeDefaultConnection());
    f.controls.guard.choose(7);
    f.controls.kind = 1;
    EXPECT_FALSE(f.guardVisible());
    const ConnectionRecord r = f.accept();
    EXPECT_EQ(std::pair(r.passages[0].kind, r.passages[0].guard), std::pair(1, 12500));
}

TEST(ConnectionForm, ClearedGuardGivesAverage) {
    ConnectionForm f = filled(threePassages());
    f.controls.guard.type("");
    f.controls.guard.leave();
    EXPECT_EQ(f.controls.guard.held(), 6000);
    EXPECT_EQ(f.controls.guard.text(), "Средняя (6000)");
}

TEST(ConnectionForm, LimitsShowOnlyWithoutAutomaticConditions) {
    ConnectionForm f = filled(threePassages());
    EXPECT_FALSE(f.limitsVisible());
    f.selectTab(1);
    EXPECT_TRUE(f.limitsVisible());
    f.controls.autoExist = true;
    EXPECT_FALSE(f.limitsVisible());
    f.controls.limits[0] = 6; // hidden, still written back
    EXPECT_EQ(f.accept().passages[1].minHumans, 6);
}

TEST(ConnectionForm, FurtherPassageStartsAsACopyOfTheFirst) {
    ConnectionRecord c = threePassages();
    c.passageCount = 2;
    c.passages[2] = passage(1, 999, false, 5, 5); // old contents of the new slot
    ConnectionForm f;
    f.fillFurther(c);
    EXPECT_EQ(std::tuple(f.count(), f.tabCount(), f.selectedTab()), std::tuple(3, 3, 2));
    EXPECT_EQ(f.controls.guard.held(), 2000); // the first passage's settings
    ConnectionRecord expected = c;
    expected.passageCount = 3;
    expected.passages[2] = c.passages[0];
    EXPECT_EQ(f.accept(), expected);
}

TEST(ConnectionForm, FurtherPassageWrittenAtATabSwitch) {
    ConnectionRecord c = threePassages();
    c.passageCount = 1;
    ConnectionForm f;
    f.fillFurther(c);
    f.controls.kind = 2;
    f.selectTab(0);
    EXPECT_EQ(std::pair(f.working().passages[1].kind, f.working().passages[1].guard),
              std::pair(2, 2000));
    EXPECT_EQ(f.controls.kind, 0); // the first passage, unchanged
}

TEST(ConnectionForm, UntouchedDialogReadsBackTheRecord) {
    ConnectionRecord c = threePassages();
    c.passages[5] = passage(2, -40, false, 3, 3);
    ConnectionForm f = filled(c);
    f.selectTab(2);
    f.selectTab(1);
    EXPECT_EQ(f.accept(), c);
}

TEST(ConnectionForm, ValuesOutsideTheControlsSurviveAnUntouchedDialog) {
    for (int32_t count : {0, 11, -5}) {
        ConnectionRecord c = makeDefaultConnection();
        c.passageCount = count;
        c.passages[0] = passage(3, 20000, false, 0, 20);
        ConnectionForm f = filled(c);
        EXPECT_EQ(f.tabCount(), count > 8 ? 8 : 1) << count;
        EXPECT_FALSE(f.guardVisible());
        EXPECT_EQ(f.controls.guard.text(), "Мощная (20000)");
        if (count > 8)
            f.selectTab(7);
        EXPECT_EQ(f.accept(), c) << count;
    }
}

TEST(ConnectionForm, CountChangesAreHeldToTheTabs) {
    ConnectionRecord c = makeDefaultConnection();
    c.passageCount = 11;
    ConnectionForm f = filled(c);
    f.selectTab(5);
    f.changeCount(8); // a change of the field from 11 to 8: tabs rebuilt
    EXPECT_EQ(f.selectedTab(), 0);
    EXPECT_EQ(f.accept().passageCount, 8);
    f.changeCount(8); // no change: the selected tab stays
    f.selectTab(3);
    f.changeCount(8);
    EXPECT_EQ(f.selectedTab(), 3);
    // Tab positions outside the tabs are ignored.
    f.selectTab(8);
    f.selectTab(-1);
    EXPECT_EQ(f.selectedTab(), 3);
}

} // namespace
} // namespace zw
