#include "dialogs/duplicate_dialog.h"
#include "dialogs/qt_dialogs.h"
#include "dialogs/window_helpers.h"
#include "support/scripted_services.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace zw {
namespace {

using namespace zw::test;

TEST(DuplicateWindow, RowsPerPlayerAndThePlacementGiveTheSettings) {
    ScriptedServices services;
    DuplicateDialog d(services);
    const auto& c = d.controls();
    EXPECT_EQ(str(d.windowTitle()), "Дублировать для игроков");
    EXPECT_TRUE(c.transforms[0]->isChecked());
    showActive(d);
    choose(c.players[0], 2); // player 1's zones go to player 3
    click(c.transforms[2]);  // rotated by 90°
    const DuplicateSettings s = d.form().settings();
    EXPECT_EQ(std::pair(s.owners[1], s.symmetry), std::pair(3, Symmetry::Rotate90));
    d.hide();
    d.reset();
    EXPECT_EQ(c.players[0]->currentIndex(), 0);
    EXPECT_EQ(d.form().settings().symmetry, Symmetry::MirrorLeftRight);
}

TEST(DuplicateWindow, OpensWithTheNextFreePlayerAndRemembersTheLastChoice) {
    ScriptedServices services;
    QtDialogs dialogs(services);
    DuplicateDialog& d = *dialogs.duplicateDialog();
    TRmg t = makeNewTemplate();
    t.header.playerCountIndex = 2; // four players
    ZoneRecord z = makeDefaultZone();
    z.owner = 1;
    t.appendZone(z);
    const auto first = runModal<std::optional<DuplicateSettings>>(
        d,
        [&] {
            EXPECT_EQ(d.controls().players[0]->currentIndex(), 1); // player 1 to player 2
            click(d.controls().transforms[2]);
            click(d.controls().ok);
        },
        [&] { return dialogs.duplicateZonesForPlayers(t, {0}); });
    ASSERT_TRUE(first);
    EXPECT_EQ(first->symmetry, Symmetry::Rotate90);

    // With player 2's copy made, the next goes to player 3, turned as before.
    z.owner = 2;
    t.appendZone(z);
    const auto second = runModal<std::optional<DuplicateSettings>>(
        d,
        [&] {
            EXPECT_EQ(d.controls().players[0]->currentIndex(), 2);
            EXPECT_TRUE(d.controls().transforms[2]->isChecked());
            click(d.controls().cancel);
        },
        [&] { return dialogs.duplicateZonesForPlayers(t, {0}); });
    EXPECT_FALSE(second);
}

TEST(DuplicateWindow, OkRefusesAPlayerTheTemplateLacks) {
    ScriptedServices services;
    QtDialogs dialogs(services);
    DuplicateDialog& d = *dialogs.duplicateDialog();
    TRmg t = makeNewTemplate(); // two players
    ZoneRecord z = makeDefaultZone();
    z.owner = 1;
    t.appendZone(z);
    const auto chosen = runModal<std::optional<DuplicateSettings>>(
        d,
        [&] {
            choose(d.controls().players[0], 2); // player 3
            click(d.controls().ok);
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(services.messages.size(), 1u);
            choose(d.controls().players[0], 1);
            click(d.controls().ok);
        },
        [&] { return dialogs.duplicateZonesForPlayers(t, {0}); });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->owners[1], 2);
}

} // namespace
} // namespace zw
