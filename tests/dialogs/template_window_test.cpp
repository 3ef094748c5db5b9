#include "dialogs/qt_dialogs.h"
#include "dialogs/template_dialog.h"
#include "dialogs/window_helpers.h"
#include "model/text.h"
#include "support/scripted_services.h"

#include <QGroupBox>
#include <QLabel>
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

TEST(TemplateWindow, NewTemplateOpensAsStored) {
    ScriptedServices services;
    TemplateDialog d(services);
    d.fill(makeNewTemplate());
    showActive(d);
    const auto& c = d.controls();
    EXPECT_EQ(str(d.windowTitle()), "Настройка шаблона");
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    const QStringList groups = groupTitles(d);
    EXPECT_TRUE(groups.contains(QStringLiteral("Параметры шаблона")));
    EXPECT_TRUE(groups.contains(QStringLiteral("Параметры игроков")));
    EXPECT_EQ(str(c.name->text()), "Unnamed template");
    EXPECT_EQ(str(c.range->text()), "Допустимые размеры карты: [4,9]");
    EXPECT_EQ(checks(d), "00111000");
    EXPECT_EQ(str(c.sizes->box(0)->text()), "36х36х1");
    EXPECT_EQ(str(c.sizes->box(7)->text()), "144х144х2");
    EXPECT_EQ(str(c.playerCount->currentText()), "Два игрока");
    EXPECT_EQ(c.playerCount->count(), 7);
    EXPECT_EQ(str(c.playerCount->itemText(6)), "Восемь игроков");
    for (int p = 0; p < 8; ++p) {
        EXPECT_EQ(c.playerLabels[static_cast<size_t>(p)]->isVisible(), p < 2) << p;
        EXPECT_EQ(c.playerKinds[static_cast<size_t>(p)]->isVisible(), p < 2) << p;
    }
    EXPECT_EQ(str(c.playerLabels[2]->text()), "Игрок 3 (коричневый)");
    EXPECT_EQ(str(c.playerKinds[0]->itemText(0)), "Человек или комп");
    EXPECT_EQ(str(c.playerKinds[0]->itemText(1)), "Комп");
}

TEST(TemplateWindow, ClicksOnMapSizesKeepOneRange) {
    ScriptedServices services;
    TemplateDialog d(services);
    d.fill(makeNewTemplate());
    showActive(d);
    const auto& c = d.controls();
    click(c.sizes->box(3)); // "72х72х2" off: a tie, the upper part stays
    EXPECT_EQ(checks(d), "00001000");
    EXPECT_EQ(str(c.range->text()), "Допустимые размеры карты: [9,9]");
    click(c.sizes->box(4)); // the only checked size off
    EXPECT_EQ(checks(d), "00000000");
    EXPECT_EQ(str(c.range->text()), "Допустимые размеры карты: [0,0]");
    click(c.sizes->box(7));
    EXPECT_EQ(str(c.range->text()), "Допустимые размеры карты: [32,32]");
    click(c.sizes->box(2)); // "72х72х1" on: the gap up to 32 fills
    EXPECT_EQ(checks(d), "00111111");
    EXPECT_EQ(str(c.range->text()), "Допустимые размеры карты: [4,32]");
    click(c.sizes->box(4)); // "108х108х1" off: the upper part agrees more
    EXPECT_EQ(checks(d), "00000111");
    EXPECT_EQ(str(c.range->text()), "Допустимые размеры карты: [16,32]");
    click(c.ok);
    ASSERT_TRUE(d.result());
    EXPECT_EQ(d.result()->minSize, 16);
    EXPECT_EQ(d.result()->maxSize, 32);
}

TEST(TemplateWindow, PlayerRowsAndTheHumanCheck) {
    ScriptedServices services;
    TemplateDialog d(services);
    d.fill(makeNewTemplate());
    showActive(d);
    const auto& c = d.controls();
    choose(c.playerKinds[0], 1);
    choose(c.playerKinds[1], 1);
    choose(c.playerCount, 1); // three players
    EXPECT_TRUE(c.playerKinds[2]->isVisible());
    EXPECT_FALSE(c.playerKinds[3]->isVisible());
    choose(c.playerKinds[2], 0);
    choose(c.playerCount, 0); // player 3 hidden again
    click(c.ok);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Хотя бы один игрок-человек должен быть!");
    EXPECT_EQ(services.messages[0].kind, MessageKind::Information);
    EXPECT_TRUE(d.isVisible());
    choose(c.playerCount, 1);
    click(c.ok);
    EXPECT_FALSE(d.isVisible());
    ASSERT_TRUE(d.result());
    EXPECT_EQ(d.result()->playerCountIndex, 1);
    EXPECT_EQ(d.result()->kinds.playerKind[0], 1);
    EXPECT_EQ(d.result()->kinds.playerKind[2], 0);
}

TEST(TemplateWindow, NameIsTypedAndChecked) {
    ScriptedServices services;
    TemplateDialog d(services);
    d.fill(makeNewTemplate());
    showActive(d);
    const auto& c = d.controls();
    typeInto(c.name, QString(65, QLatin1Char('x')));
    click(c.ok);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(d.isVisible());
    typeInto(c.name, QStringLiteral("Острова"));
    click(c.ok);
    ASSERT_TRUE(d.result());
    EXPECT_EQ(d.result()->name, utf8ToCp1251("Острова"));
}

TEST(TemplateWindow, RunsThroughTheDialogsInterface) {
    ScriptedServices services;
    QtDialogs dialogs(services);
    TemplateDialog& d = *dialogs.templateDialog();
    TRmg t = makeNewTemplate();
    t.name = utf8ToCp1251("Старое имя");
    t.header = {16, 18, 6};
    t.kinds.playerKind = {1, 1, 1, 1, 1, 1, 1, 0};
    const auto r = runModal<std::optional<TemplateSettings>>(
        d,
        [&] {
            const auto& c = d.controls();
            EXPECT_EQ(str(c.name->text()), "Старое имя");
            EXPECT_EQ(checks(d), "00000110");
            EXPECT_EQ(str(c.range->text()), "Допустимые размеры карты: [16,18]");
            EXPECT_TRUE(c.playerKinds[7]->isVisible());
            click(c.ok);
        },
        [&] { return dialogs.editTemplate(t); });
    ASSERT_TRUE(r);
    EXPECT_EQ(r->name, t.name);
    EXPECT_EQ(r->minSize, 16);
    EXPECT_EQ(r->maxSize, 18);
    EXPECT_EQ(r->playerCountIndex, 6);
    EXPECT_EQ(r->kinds, t.kinds);

    const auto cancelled = runModal<std::optional<TemplateSettings>>(
        d, [&] { click(d.controls().cancel); }, [&] { return dialogs.editTemplate(t); });
    EXPECT_FALSE(cancelled);
}

} // namespace
} // namespace zw
