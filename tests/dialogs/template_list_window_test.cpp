#include "dialogs/qt_dialogs.h"
#include "dialogs/template_list_dialog.h"
#include "model/text.h"
#include "support/dialog_fixtures.h"
#include "support/extended_tables.h"
#include "support/scripted_services.h"

#include <QFontMetrics>
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

std::string items(QListWidget* list) {
    QStringList l;
    for (int i = 0; i < list->count(); ++i)
        l << list->item(i)->text();
    return str(l.join('|'));
}

void clickItem(QListWidget* list, int row) {
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

void doubleClickItem(QListWidget* list, int row) {
    clickItem(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->item(row)).center());
}

// A list dialog on the table above in the adding mode; run() opens it modally
// while `steps` act on it.
struct TemplateListWindow : ::testing::Test {
    ListOutcome run(const std::function<void()>& steps) {
        return runModal<ListOutcome>(d, steps, [&] { return d.run(s); });
    }
    void open() {
        d.attach(s);
        showActive(d);
    }
    ScriptedServices services;
    TemplateListDialog d{services};
    TemplateListSession s{table(), ListMode::Adding, "Unnamed template", services};
    const TemplateListDialog::Controls& c = d.controls();
};

TEST_F(TemplateListWindow, AddingModeShowsTheFile) {
    open();
    EXPECT_EQ(str(d.windowTitle()), "Вставка шаблона в файл");
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    expectAmong(groupTitles(d), "Имеющиеся шаблоны в файле");
    expectAmong(labelTexts(d), "Название вашего шаблона|В файле уже имеются следующие шаблоны:");
    EXPECT_EQ(shownTexts({c.hint, c.name, c.remove, c.removeAll, c.add, c.import, c.cancel}),
              "(Двойной щелчок на одном из шаблонов файла, чтобы заменить имеющийся)|Unnamed "
              "template|Удалить|Удалить все|Добавить шаблон|Импорт|Отмена");
    EXPECT_TRUE(c.hint->wordWrap());
    EXPECT_EQ(items(c.list), "Alpha|Острова|Beta");
    EXPECT_EQ(c.list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(visibility({c.add, c.import}), "10");

    // "Импорт" takes the place of "Добавить шаблон" in import mode.
    const QPoint addPlace = c.add->pos();
    TemplateListSession importing(table(), ListMode::Import, "", services);
    d.attach(importing);
    d.layout()->activate();
    EXPECT_EQ(visibility({c.add, c.import}), "01");
    EXPECT_EQ(c.import->pos(), addPlace);
}

TEST_F(TemplateListWindow, DeletingOneThenAllAndSavingOnCancel) {
    services.messageAnswers = {MessageResult::Yes, MessageResult::Yes};
    EXPECT_EQ(run([&] {
                  clickItem(c.list, 1);
                  EXPECT_TRUE(c.remove->isEnabled());
                  click(c.remove);
                  EXPECT_EQ(items(c.list), "Alpha|Beta");
                  EXPECT_FALSE(c.remove->isEnabled());
                  click(c.removeAll);
                  EXPECT_EQ(c.list->count(), 0);
                  click(c.cancel);
              }),
              ListOutcome::SaveEdited);
    EXPECT_EQ(
        services.messageTexts(),
        (std::vector<std::string>{
            "Вы действительно хотите удалить все шаблоны из файла, оставив только заголовок?",
            "Некоторые шаблоны были удалены из файла rmg. Вы хотите сохранить эти изменения?"}));
}

TEST_F(TemplateListWindow, AnyOtherCloseAbandons) {
    EXPECT_EQ(run([&] {
                  clickItem(c.list, 0);
                  click(c.remove);
                  QTest::keyClick(c.list, Qt::Key_Return); // Enter closes nothing
                  EXPECT_TRUE(d.isVisible());
                  QTest::keyClick(&d, Qt::Key_Escape);
              }),
              ListOutcome::Abandon);
    TemplateListSession again(table(), ListMode::Adding, "x", services);
    EXPECT_EQ(runModal<ListOutcome>(
                  d, [&] { d.close(); }, [&] { return d.run(again); }),
              ListOutcome::Abandon);
    EXPECT_TRUE(services.messages.empty()); // abandoned without a question
}

TEST_F(TemplateListWindow, AddTakesTheTypedNameOrStaysOpenOnARefusal) {
    EXPECT_EQ(run([&] {
                  typeInto(c.name, QStringLiteral("Ω"), false);
                  click(c.add);
                  EXPECT_EQ(services.messages.size(), 1u);
                  EXPECT_TRUE(d.isVisible());
                  typeInto(c.name, QStringLiteral("beta"), false);
                  click(c.add);
              }),
              ListOutcome::Proceed);
    EXPECT_EQ(s.nameField, "beta");
}

TEST_F(TemplateListWindow, LongestNamesShowWholeAndTheListGrowsWithTheWindow) {
    // 64 characters, the longest name a table holds.
    const QString longName =
        QStringLiteral("Большие острова и широкие проливы, ").repeated(2).left(64);
    ASSERT_EQ(longName.size(), 64);
    TemplateListSession longer(
        kHeader + utf8ToCp1251("Alpha\t1\t2\trow\r\n" + longName.toStdString() + "\t3\t4\trow\r\n"),
        ListMode::Adding, "x", services);
    d.attach(longer);
    showActive(d);
    d.adjustSize();
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

// Enter in the name field adds the template as "Добавить шаблон" does.
TEST_F(TemplateListWindow, DoubleClickTakesTheNameAndEnterAdds) {
    EXPECT_EQ(run([&] {
                  doubleClickItem(c.list, 1);
                  EXPECT_EQ(str(c.name->text()), "Острова");
                  QTest::keyClick(c.name, Qt::Key_Return);
              }),
              ListOutcome::Proceed);
    EXPECT_EQ(s.nameField, utf8ToCp1251("Острова"));
}

TEST_F(TemplateListWindow, ImportModeChoosesByDoubleClick) {
    QtDialogs dialogs(services);
    TemplateListDialog& shown = *dialogs.templateListDialog();
    TemplateListSession importing(table(), ListMode::Import, "", services);
    const auto& ui = shown.controls();
    const auto steps = [&] {
        EXPECT_FALSE(ui.import->isEnabled());
        EXPECT_FALSE(ui.name->isEnabled());
        EXPECT_EQ(str(ui.name->text()), "Выберите импортируемый шаблон");
        doubleClickItem(ui.list, 2);
        EXPECT_EQ(str(ui.name->text()), "Beta");
        EXPECT_TRUE(ui.import->isEnabled());
        click(ui.import);
    };
    EXPECT_EQ(
        runModal<ListOutcome>(shown, steps, [&] { return dialogs.runTemplateList(importing); }),
        ListOutcome::Proceed);
    EXPECT_EQ(importing.chosenIndex, 2);
}

TEST_F(TemplateListWindow, ShowsThePackCellsOfAnExtendedTableReadOnly) {
    TemplateListSession extended(test::oneTemplateTable(), ListMode::Import, "", services);
    d.attach(extended);
    showActive(d);
    const KeptCellsTable* pack = c.pack;
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
