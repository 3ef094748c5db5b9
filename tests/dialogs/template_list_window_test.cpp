#include "dialogs/qt_dialogs.h"
#include "dialogs/template_list_dialog.h"
#include "dialogs/window_helpers.h"
#include "model/text.h"
#include "support/extended_tables.h"
#include "support/scripted_services.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace zw {
namespace {

using namespace zw::test;

const std::string kHeader = "header\tline\r\n";

std::string table() {
    return kHeader + utf8ToCp1251("Alpha\t1\t2\trow\r\n"
                                  "\t\t\tmore\r\n"
                                  "Острова\t3\t4\trow\r\n"
                                  "Beta\t5\t6\trow\r\n"
                                  "\t\t\tend\r\n");
}

QStringList items(QListWidget* list) {
    QStringList l;
    for (int i = 0; i < list->count(); ++i)
        l << list->item(i)->text();
    return l;
}

void clickItem(QListWidget* list, int row) {
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

void doubleClickItem(QListWidget* list, int row) {
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

ListOutcome run(TemplateListDialog& d, TemplateListSession& s, const std::function<void()>& steps) {
    return runModal<ListOutcome>(d, steps, [&] { return d.run(s); });
}

TEST(TemplateListWindow, AddingModeShowsTheFile) {
    ScriptedServices services;
    TemplateListDialog d(services);
    TemplateListSession s(table(), ListMode::Adding, "Unnamed template", services);
    d.attach(s);
    showActive(d);
    const auto& c = d.controls();
    EXPECT_EQ(str(d.windowTitle()), "Вставка шаблона в файл");
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(groupTitles(d).contains(QStringLiteral("Имеющиеся шаблоны в файле")));
    const QStringList labels = labelTexts(d);
    EXPECT_TRUE(labels.contains(QStringLiteral("Название вашего шаблона")));
    EXPECT_TRUE(labels.contains(QStringLiteral("В файле уже имеются следующие шаблоны:")));
    EXPECT_EQ(str(c.hint->text()),
              "(Двойной щелчок на одном из шаблонов файла, чтобы заменить имеющийся)");
    EXPECT_TRUE(c.hint->wordWrap());
    EXPECT_EQ(items(c.list).join('|').toStdString(), "Alpha|Острова|Beta");
    EXPECT_EQ(c.list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(str(c.name->text()), "Unnamed template");
    EXPECT_TRUE(c.name->isEnabled());
    EXPECT_TRUE(c.add->isVisible());
    EXPECT_FALSE(c.import->isVisible());
    EXPECT_FALSE(c.remove->isEnabled());
    EXPECT_EQ(str(c.remove->text()), "Удалить");
    EXPECT_EQ(str(c.removeAll->text()), "Удалить все");
    EXPECT_EQ(str(c.add->text()), "Добавить шаблон");
    EXPECT_EQ(str(c.import->text()), "Импорт");
    EXPECT_EQ(str(c.cancel->text()), "Отмена");

    // "Импорт" takes the place of "Добавить шаблон" in import mode.
    const QPoint addPlace = c.add->pos();
    TemplateListSession importing(table(), ListMode::Import, "", services);
    d.attach(importing);
    d.layout()->activate();
    EXPECT_FALSE(c.add->isVisible());
    EXPECT_TRUE(c.import->isVisible());
    EXPECT_EQ(c.import->pos(), addPlace);
}

TEST(TemplateListWindow, DeletingOneAndThenSavingOnCancel) {
    ScriptedServices services;
    TemplateListDialog d(services);
    TemplateListSession s(table(), ListMode::Adding, "Unnamed template", services);
    services.messageAnswers = {MessageResult::Yes};
    const ListOutcome outcome = run(d, s, [&] {
        const auto& c = d.controls();
        clickItem(c.list, 1);
        EXPECT_TRUE(c.remove->isEnabled());
        click(c.remove);
        EXPECT_EQ(items(c.list).join('|').toStdString(), "Alpha|Beta");
        EXPECT_FALSE(c.remove->isEnabled());
        EXPECT_EQ(str(c.name->text()), "Unnamed template");
        click(c.cancel);
    });
    EXPECT_EQ(outcome, ListOutcome::SaveEdited);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text,
              "Некоторые шаблоны были удалены из файла rmg. Вы хотите сохранить эти изменения?");
    EXPECT_EQ(s.buffer().find(utf8ToCp1251("Острова")), std::string::npos);
    EXPECT_EQ(s.entries().size(), 2u);
}

TEST(TemplateListWindow, DeleteAllAsksAndKeepsTheHeader) {
    ScriptedServices services;
    TemplateListDialog d(services);
    TemplateListSession s(table(), ListMode::Adding, "x", services);
    d.attach(s);
    showActive(d);
    const auto& c = d.controls();
    services.messageAnswers = {MessageResult::No, MessageResult::Yes};
    click(c.removeAll);
    EXPECT_EQ(c.list->count(), 3);
    click(c.removeAll);
    EXPECT_EQ(c.list->count(), 0);
    EXPECT_EQ(s.buffer(), kHeader);
    click(c.removeAll); // nothing left: no question
    EXPECT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0].text,
              "Вы действительно хотите удалить все шаблоны из файла, оставив только заголовок?");
}

TEST(TemplateListWindow, AnyOtherCloseAbandons) {
    ScriptedServices services;
    TemplateListDialog d(services);
    {
        TemplateListSession s(table(), ListMode::Adding, "x", services);
        const ListOutcome outcome = run(d, s, [&] {
            clickItem(d.controls().list, 0);
            click(d.controls().remove);
            QTest::keyClick(d.controls().list, Qt::Key_Return); // Enter closes nothing
            EXPECT_TRUE(d.isVisible());
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        EXPECT_EQ(outcome, ListOutcome::Abandon);
    }
    {
        TemplateListSession s(table(), ListMode::Adding, "x", services);
        EXPECT_EQ(run(d, s, [&] { d.close(); }), ListOutcome::Abandon);
    }
    EXPECT_TRUE(services.messages.empty()); // abandoned without a question
}

TEST(TemplateListWindow, AddingReplacesTheTemplateOfTheTypedName) {
    ScriptedServices services;
    TemplateListDialog d(services);
    TemplateListSession s(table(), ListMode::Adding, "Unnamed template", services);
    const ListOutcome outcome = run(d, s, [&] {
        const auto& c = d.controls();
        typeInto(c.name, QStringLiteral("Ω"), false);
        click(c.add);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(c.list->count(), 3);
        typeInto(c.name, QStringLiteral("beta"), false);
        click(c.add);
    });
    EXPECT_EQ(outcome, ListOutcome::Proceed);
    EXPECT_EQ(s.nameField, "beta");
    EXPECT_EQ(s.entries().size(), 2u);
    EXPECT_TRUE(s.deletedFlag);
}

TEST(TemplateListWindow, EnterInTheNameFieldAddsTheTemplate) {
    ScriptedServices services;
    TemplateListDialog d(services);
    TemplateListSession s(table(), ListMode::Adding, "Unnamed template", services);
    const ListOutcome outcome = run(d, s, [&] {
        typeInto(d.controls().name, QStringLiteral("alpha"), false);
        QTest::keyClick(d.controls().name, Qt::Key_Return);
    });
    EXPECT_EQ(outcome, ListOutcome::Proceed);
    EXPECT_EQ(s.nameField, "alpha");
    EXPECT_EQ(s.entries().size(), 2u); // the old "Alpha" replaced
}

TEST(TemplateListWindow, LongestNamesShowWholeAndTheListGrowsWithTheWindow) {
    // 64 characters, the longest name a table holds.
    const QString longName =
        QStringLiteral("Большие острова и широкие проливы, ").repeated(2).left(64);
    ASSERT_EQ(longName.size(), 64);
    const std::string file =
        kHeader + utf8ToCp1251("Alpha\t1\t2\trow\r\n" + longName.toStdString() + "\t3\t4\trow\r\n");
    ScriptedServices services;
    TemplateListDialog d(services);
    TemplateListSession s(file, ListMode::Adding, "x", services);
    d.attach(s);
    showActive(d);
    d.adjustSize();
    const auto& c = d.controls();
    ASSERT_EQ(c.list->count(), 2);
    EXPECT_GE(c.list->viewport()->width(),
              QFontMetrics(c.list->font()).horizontalAdvance(longName));
    EXPECT_LE(d.width(), 1000);
    EXPECT_LE(d.height(), 700);

    const QSize before = c.list->size();
    d.resize(d.width() + 150, d.height() + 100);
    EXPECT_EQ(c.list->width(), before.width() + 150);
    EXPECT_GE(c.list->height(), before.height() + 100);
}

TEST(TemplateListWindow, DoubleClickTakesTheNameForReplacing) {
    ScriptedServices services;
    TemplateListDialog d(services);
    TemplateListSession s(table(), ListMode::Adding, "Unnamed template", services);
    const ListOutcome outcome = run(d, s, [&] {
        doubleClickItem(d.controls().list, 1);
        EXPECT_EQ(str(d.controls().name->text()), "Острова");
        click(d.controls().add);
    });
    EXPECT_EQ(outcome, ListOutcome::Proceed);
    EXPECT_EQ(s.nameField, utf8ToCp1251("Острова"));
    EXPECT_EQ(s.entries().size(), 2u);
}

TEST(TemplateListWindow, ImportModeChoosesByDoubleClick) {
    ScriptedServices services;
    QtDialogs dialogs(services);
    TemplateListDialog& d = *dialogs.templateListDialog();
    TemplateListSession s(table(), ListMode::Import, "", services);
    const ListOutcome outcome = runModal<ListOutcome>(
        d,
        [&] {
            const auto& c = d.controls();
            EXPECT_FALSE(c.add->isVisible());
            EXPECT_TRUE(c.import->isVisible());
            EXPECT_FALSE(c.import->isEnabled());
            EXPECT_FALSE(c.name->isEnabled());
            EXPECT_EQ(str(c.name->text()), "Выберите импортируемый шаблон");
            doubleClickItem(c.list, 2);
            EXPECT_EQ(str(c.name->text()), "Beta");
            EXPECT_TRUE(c.import->isEnabled());
            // Deleting another template takes the choice back.
            clickItem(c.list, 0);
            click(c.remove);
            EXPECT_FALSE(c.import->isEnabled());
            EXPECT_EQ(str(c.name->text()), "Выберите импортируемый шаблон");
            doubleClickItem(c.list, 1);
            click(c.import);
        },
        [&] { return dialogs.runTemplateList(s); });
    EXPECT_EQ(outcome, ListOutcome::Proceed);
    EXPECT_EQ(s.chosenIndex, 1);
    EXPECT_EQ(s.entries()[1].name, "Beta");
}

} // namespace
} // namespace zw

namespace zw {
namespace {

TEST(TemplateListWindow, ShowsThePackCellsOfAnExtendedTableReadOnly) {
    ScriptedServices services;
    TemplateListDialog d(services);
    TemplateListSession extended(test::oneTemplateTable(), ListMode::Import, "", services);
    d.attach(extended);
    showActive(d);
    const KeptCellsTable* pack = d.controls().pack;
    ASSERT_TRUE(pack->isVisible());
    EXPECT_EQ(str(pack->title()), "Параметры пакета");
    QTableWidget* cells = pack->table();
    ASSERT_EQ(cells->rowCount(), static_cast<int>(extended.packCells().size()));
    EXPECT_EQ(str(cells->item(7, 0)->text()), "Name");
    EXPECT_EQ(str(cells->item(7, 1)->text()), "Made for the tests");
    EXPECT_EQ(cells->editTriggers(), QAbstractItemView::NoEditTriggers);

    TemplateListSession classic(table(), ListMode::Import, "", services);
    d.attach(classic);
    EXPECT_FALSE(pack->isVisible());
}

} // namespace
} // namespace zw
