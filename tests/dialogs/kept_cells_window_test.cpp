// The wiring of the kept cells' table in the zone, connection and template
// windows: shown for a record that keeps cells, typed into through its editor
// (which takes no character Windows-1251 lacks), handed back by OK.
#include "dialogs/connection_dialog.h"
#include "dialogs/qt_dialogs.h"
#include "dialogs/template_dialog.h"
#include "dialogs/window_helpers.h"
#include "dialogs/zone_dialog.h"
#include "model/text.h"
#include "support/kept_samples.h"
#include "support/scripted_services.h"

#include <QHeaderView>
#include <QTabBar>
#include <QTableWidget>

namespace zw {
namespace {

using namespace zw::test;

// Types `text` into the text of row 1 as a user does, and commits it.
void editSecondText(KeptCellsTable* kept) {
    ASSERT_TRUE(kept->isVisible());
    EXPECT_EQ(str(kept->title()), "Дополнительные поля");
    QTableWidget* table = kept->table();
    EXPECT_EQ(str(table->horizontalHeaderItem(0)->text()), "Поле");
    EXPECT_EQ(str(table->horizontalHeaderItem(1)->text()), "Значение");
    EXPECT_FALSE(table->item(1, 0)->flags() & Qt::ItemIsEditable);
    table->setCurrentCell(1, 1);
    table->editItem(table->item(1, 1));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    typeInto(editor, QString::fromUtf8("Но日вое"), false);
    QTest::keyClick(editor, Qt::Key_Return);
}

TEST(KeptCellsWindow, EachDialogShowsItsRecordsCellsAndHandsBackTheEdit) {
    ScriptedServices services;
    QtDialogs dialogs(services);
    const TRmg t = keptTemplate();
    const std::string edited = utf8ToCp1251("Новое");

    const auto zone = runModal<std::optional<ZoneRecord>>(
        *dialogs.zoneDialog(),
        [&] {
            editSecondText(dialogs.zoneDialog()->controls().kept);
            click(dialogs.zoneDialog()->controls().ok);
        },
        [&] { return dialogs.editZone(t.zones[0]); });
    ASSERT_TRUE(zone);
    EXPECT_EQ(zone->kept.cells[1].text, edited);

    ConnectionDialog& cd = *dialogs.connectionDialog();
    const auto connection = runModal<std::optional<ConnectionRecord>>(
        cd,
        [&] {
            const auto& ui = cd.controls();
            ui.tabs->setCurrentIndex(1); // a passage that keeps nothing
            EXPECT_TRUE(ui.kept->isVisible());
            EXPECT_FALSE(ui.kept->isEnabled());
            ui.tabs->setCurrentIndex(0);
            EXPECT_TRUE(ui.kept->isEnabled());
            editSecondText(ui.kept);
            click(ui.ok);
        },
        [&] { return dialogs.editConnection(t.connections[0], false); });
    ASSERT_TRUE(connection);
    EXPECT_EQ(connection->passages[0].kept.cells[1].text, edited);

    const auto settings = runModal<std::optional<TemplateSettings>>(
        *dialogs.templateDialog(),
        [&] {
            editSecondText(dialogs.templateDialog()->controls().kept);
            click(dialogs.templateDialog()->controls().ok);
        },
        [&] { return dialogs.editTemplate(t); });
    ASSERT_TRUE(settings);
    ASSERT_TRUE(settings->keptCells);
    EXPECT_EQ((*settings->keptCells)[1].text, edited);

    // Records without kept cells have no table; nor have several zones at once.
    dialogs.zoneDialog()->fillSeveral({t.zones[0], t.zones[1]});
    EXPECT_TRUE(dialogs.zoneDialog()->controls().kept->isHidden());
    cd.fill(makeDefaultConnection());
    EXPECT_TRUE(cd.controls().kept->isHidden());
}

} // namespace
} // namespace zw
