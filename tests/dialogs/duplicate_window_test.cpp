#include "dialogs/duplicate_dialog.h"
#include "dialogs/window_helpers.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace zw {
namespace {

using namespace zw::test;

TEST(DuplicateWindow, RowsPerPlayerAndThePlacementGiveTheSettings) {
    DuplicateDialog d;
    const auto& c = d.controls();
    EXPECT_EQ(str(d.windowTitle()), "Дублировать для игроков");
    EXPECT_TRUE(c.transforms[0]->isChecked());
    showActive(d);
    choose(c.players[0], 2); // player 1's zones go to player 3
    click(c.transforms[2]);  // rotated by 90°
    const DuplicateSettings s = d.form().settings();
    EXPECT_EQ(s.owners[1], 3);
    EXPECT_EQ(s.owners[2], 2);
    EXPECT_EQ(s.symmetry, Symmetry::Rotate90);
    d.hide();
    d.reset();
    EXPECT_EQ(c.players[0]->currentIndex(), 0);
    EXPECT_EQ(d.form().settings().symmetry, Symmetry::MirrorLeftRight);
}

} // namespace
} // namespace zw
