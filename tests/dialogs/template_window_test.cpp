#include "dialogs/qt_dialogs.h"
#include "dialogs/template_dialog.h"
#include "model/text.h"
#include "support/dialog_fixtures.h"
#include "support/scripted_services.h"

#include <QPushButton>

namespace zw {
namespace {

using namespace zw::test;

std::string checks(const TemplateDialog& d) {
    std::string s;
    for (int k = 0; k < kMapSizeCount; ++k)
        s += d.controls().sizes->box(k)->isChecked() ? '1' : '0';
    return s;
}

// The checked map sizes as 0 and 1 in list order, and the range shown.
void expectSizes(const TemplateDialog& d, const char* checked, const std::string& range) {
    EXPECT_EQ(checks(d), checked);
    EXPECT_EQ(str(d.controls().range->text()), "Допустимые размеры карты: [" + range + "]");
}

// A template dialog; open() fills it with a new template and shows it.
struct TemplateWindow : ::testing::Test {
    void open() {
        d.fill(makeNewTemplate());
        showActive(d);
    }
    ScriptedServices services;
    TemplateDialog d{services};
    const TemplateDialog::Controls& c = d.controls();
};

TEST_F(TemplateWindow, NewTemplateOpensAsStored) {
    open();
    EXPECT_EQ(str(d.windowTitle()), "Настройка шаблона");
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    expectAmong(groupTitles(d), "Параметры шаблона|Параметры игроков");
    EXPECT_EQ(
        shownTexts({c.name, c.sizes->box(0), c.sizes->box(7), c.playerCount, c.playerLabels[2]}),
        "Unnamed template|36х36х1|144х144х2|Два игрока|Игрок 3 (коричневый)");
    EXPECT_EQ(c.playerCount->count(), 7);
    EXPECT_EQ(str(c.playerCount->itemText(6)), "Восемь игроков");
    EXPECT_EQ(
        visibility({c.playerLabels[1], c.playerKinds[1], c.playerLabels[2], c.playerKinds[2]}),
        "1100");
    EXPECT_EQ(str(c.playerKinds[0]->itemText(0)), "Человек или комп");
    EXPECT_EQ(str(c.playerKinds[0]->itemText(1)), "Комп");
}

TEST_F(TemplateWindow, ClicksOnMapSizesKeepOneRange) {
    open();
    // "72х72х2" off: a tie, the upper part stays; "144х144х2" on: the gap up to 32 fills.
    const std::tuple<int, const char*, const char*> steps[] = {{3, "00001000", "9,9"},
                                                               {7, "00001111", "9,32"}};
    for (const auto& [box, checked, range] : steps) {
        click(c.sizes->box(box));
        expectSizes(d, checked, range);
    }
    click(c.ok);
    ASSERT_TRUE(d.result());
    EXPECT_EQ(std::pair(d.result()->minSize, d.result()->maxSize), std::pair(9, 32));
}

TEST_F(TemplateWindow, PlayerRowsAndTheHumanCheck) {
    open();
    choose(c.playerKinds[0], 1);
    choose(c.playerKinds[1], 1);
    choose(c.playerCount, 1); // three players
    EXPECT_TRUE(c.playerKinds[2]->isVisible());
    choose(c.playerKinds[2], 0);
    choose(c.playerCount, 0); // player 3 hidden again
    click(c.ok);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(d.isVisible());
    choose(c.playerCount, 1);
    click(c.ok);
    EXPECT_FALSE(d.isVisible());
    ASSERT_TRUE(d.result());
    const auto& kind = d.result()->kinds.playerKind;
    EXPECT_EQ(std::tuple(d.result()->playerCountIndex, kind[0], kind[1], kind[2]),
              std::tuple(1, 1, 1, 0));
}

TEST_F(TemplateWindow, NameIsTyped) {
    open();
    typeInto(c.name, QStringLiteral("Острова"));
    click(c.ok);
    ASSERT_TRUE(d.result());
    EXPECT_EQ(d.result()->name, utf8ToCp1251("Острова"));
}

TEST_F(TemplateWindow, RunsThroughTheDialogsInterface) {
    QtDialogs dialogs(services);
    TemplateDialog& shown = *dialogs.templateDialog();
    TRmg t = makeNewTemplate();
    t.name = utf8ToCp1251("Старое имя");
    t.header = {16, 18, 6};
    t.kinds.playerKind = {1, 1, 1, 1, 1, 1, 1, 0};
    const auto r = runModal<std::optional<TemplateSettings>>(
        shown,
        [&] {
            EXPECT_EQ(str(shown.controls().name->text()), "Старое имя");
            expectSizes(shown, "00000110", "16,18");
            EXPECT_TRUE(shown.controls().playerKinds[7]->isVisible());
            click(shown.controls().ok);
        },
        [&] { return dialogs.editTemplate(t); });
    ASSERT_TRUE(r);
    EXPECT_EQ(std::tuple(r->name, r->minSize, r->maxSize, r->playerCountIndex, r->kinds),
              std::tuple(t.name, 16, 18, 6, t.kinds));

    const auto cancelled = runModal<std::optional<TemplateSettings>>(
        shown, [&] { click(shown.controls().cancel); }, [&] { return dialogs.editTemplate(t); });
    EXPECT_FALSE(cancelled);
}

} // namespace
} // namespace zw
