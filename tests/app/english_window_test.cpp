// The editor in English: the main window and every dialog show no Russian text
// and no label or button text wider than its control, on a 1366 x 768 screen;
// the toolbar's language button switches at once, the choice is kept, and
// switching back gives the Russian texts exactly.
#include "app/analysis_panel.h"
#include "app/info_panel_widget.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "dialogs/qt_dialogs.h"
#include "dialogs/zone_dialog.h"
#include "model/text.h"
#include "model/translation.h"
#include "rmg/template_list.h"
#include "support/model_samples.h"
#include "support/scratch_dir.h"
#include "support/scripted_services.h"
#include "support/translation_files.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zw {
namespace {

bool hasCyrillic(const QString& s) {
    return std::any_of(s.begin(), s.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4ff; });
}

// The room a button leaves its text: a check box or radio button gives some of
// its width to its indicator.
int textRoom(const QAbstractButton& b) {
    const QStyle* style = b.style();
    if (qobject_cast<const QCheckBox*>(&b))
        return b.width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &b) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &b);
    if (qobject_cast<const QRadioButton*>(&b))
        return b.width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &b) -
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &b);
    return b.width();
}

// What a user reads in `window` that is Russian, and every label or button
// whose text is wider than the control showing it.
struct Findings {
    std::vector<std::string> russian;
    std::vector<std::string> cut;
};

void inspect(QWidget& window, Findings& f) {
    const auto read = [&f](const QString& text) {
        if (hasCyrillic(text))
            f.russian.push_back(text.toStdString());
    };
    read(window.windowTitle());
    for (const QLabel* l : window.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&window) || l->text().isEmpty())
            continue;
        read(l->text());
        if (!l->wordWrap() &&
            l->fontMetrics().horizontalAdvance(l->text()) > l->contentsRect().width())
            f.cut.push_back(l->text().toStdString());
    }
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(&window) || b->text().isEmpty())
            continue;
        QString text = b->text();
        text.remove(QLatin1Char('&'));
        read(text);
        if (b->fontMetrics().horizontalAdvance(text) > textRoom(*b))
            f.cut.push_back(text.toStdString());
    }
    for (const QGroupBox* g : window.findChildren<QGroupBox*>())
        read(g->title());
    for (const QComboBox* c : window.findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i)
            read(c->itemText(i));
    for (const QTabBar* t : window.findChildren<QTabBar*>())
        for (int i = 0; i < t->count(); ++i)
            read(t->tabText(i));
    for (const QTableWidget* t : window.findChildren<QTableWidget*>())
        for (int i = 0; i < t->columnCount(); ++i)
            if (const QTableWidgetItem* h = t->horizontalHeaderItem(i))
                read(h->text());
}

class EnglishWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(applyLanguage(Language::English));
        window = std::make_unique<MainWindow>(services, dialogs);
        window->setLanguageChanged([this] { dialogs.rebuildWindows(); });
        dialogs.setParent(window.get());
        window->resize(1366, 768);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        window.reset();
        applyLanguage(Language::Russian);
        openSettings()->remove(QStringLiteral("language"));
    }

    ScriptedServices services;
    QtDialogs dialogs{services};
    std::unique_ptr<MainWindow> window;
};

// Whether a Russian text the window shows is a fault: always, once the core's
// translation file translates the core (its toolbar hints); before that, only
// for a text of the windows' own file (a text they mark but don't show
// translated).
class RussianFaults {
  public:
    RussianFaults() {
        const std::string root = std::string(ZW_DATA_DIR) + "/..";
        for (const std::string& file : test::tsFiles(root))
            for (const test::TsEntry& e : test::readTsEntries(test::slurp(file))) {
                if (file.ends_with("zonewright_windows_en.ts"))
                    windowSources_.push_back(QString::fromStdString(e.source));
                coreTranslated_ = coreTranslated_ || e.context == "Editor";
            }
    }
    bool operator()(const std::string& text) const {
        return coreTranslated_ || windowSources_.contains(QString::fromStdString(text));
    }

  private:
    QStringList windowSources_;
    bool coreTranslated_ = false;
};

// Opens a dialog as the editor does and inspects it once it is on screen.
void inspectOpened(const std::function<void()>& open, Findings& f) {
    bool seen = false;
    std::function<void(int)> look = [&](int tries) {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (d == nullptr || !d->isVisible()) {
            if (tries > 0)
                QTimer::singleShot(50, [&, tries] { look(tries - 1); });
            return;
        }
        inspect(*d, f);
        seen = true;
        d->reject();
    };
    QTimer::singleShot(0, [&] { look(200); });
    open();
    EXPECT_TRUE(seen);
}

TEST_F(EnglishWindow, EveryDialogShowsItsTextsInEnglishAndWhole) {
    const TRmg t = test::richTemplate();
    ASSERT_GE(t.zones.size(), 2u);
    ASSERT_FALSE(t.connections.empty());
    TemplateListSession list("header\tline\r\nAlpha\t1\t2\trow\r\n", ListMode::Adding, "Beta",
                             services);
    ZoneRecord detailed = t.zones[0];
    detailed.townMode = 3; // the town settings group shown too
    const std::pair<const char*, std::function<void()>> openings[] = {
        {"zone", [&] { dialogs.editZone(detailed); }},
        {"zones",
         [&] {
             dialogs.editZones({t.zones[0], t.zones[1]}, {1, 2});
         }},
        {"connection", [&] { dialogs.editConnection(t.connections[0], false); }},
        {"template", [&] { dialogs.editTemplate(t); }},
        {"template list", [&] { dialogs.runTemplateList(list); }},
        {"duplicate", [&] { dialogs.duplicateZonesForPlayers(t, {0}); }},
        {"pattern", [&] { dialogs.generateFromPattern(); }},
    };
    Findings window;
    inspect(*this->window, window);
    EXPECT_EQ(window.russian, std::vector<std::string>{"Русский"}); // the language button
    EXPECT_TRUE(window.cut.empty()) << window.cut.front();
    const RussianFaults fault;
    for (const auto& [name, open] : openings) {
        SCOPED_TRACE(name);
        Findings f;
        inspectOpened(open, f);
        for (const std::string& text : f.russian)
            if (fault(text))
                ADD_FAILURE() << "Russian: " << text;
        for (const std::string& text : f.cut)
            ADD_FAILURE() << "wider than its control: " << text;
    }
}

// The language button switches the open window and the dialogs at once, keeps
// the choice, and switching back gives the Russian texts exactly.
TEST_F(EnglishWindow, LanguageButtonSwitchesAtOnceAndBack) {
    QToolButton* language = window->languageButton();
    ASSERT_NE(language, nullptr);
    const auto texts = [this] {
        return std::vector<std::string>{window->languageButton()->text().toStdString(),
                                        window->analysisPanel()->windowTitle().toStdString(),
                                        window->infoPanel()->noMines()->text().toStdString(),
                                        dialogs.zoneDialog()->windowTitle().toStdString(),
                                        ZW_TR("Dialogs", "ОК")};
    };
    const std::vector<std::string> english{"Русский", "Template analysis", "No mines",
                                           "Zone settings", "OK"};
    const std::vector<std::string> russian{"English", "Анализ шаблона", "Шахт нет",
                                           "Настройка локации", "ОК"};
    EXPECT_EQ(texts(), english);
    const struct {
        Language to;
        std::vector<std::string> texts;
        const char* stored;
    } steps[] = {{Language::Russian, russian, "ru"},
                 {Language::English, english, "en"},
                 {Language::Russian, russian, "ru"}};
    for (const auto& step : steps) {
        QTest::mouseClick(language, Qt::LeftButton);
        EXPECT_EQ(currentLanguage(), step.to);
        EXPECT_EQ(texts(), step.texts);
        EXPECT_EQ(storedLanguage(), step.to);
        EXPECT_EQ(openSettings()->value(QStringLiteral("language")).toString(),
                  QString(step.stored));
    }
}

TEST(LanguageOption, IsTakenOutOfTheFilesToOpen) {
    const struct {
        std::vector<std::string> args;
        std::optional<Language> language;
        std::vector<std::string> files;
    } cases[] = {
        {{}, std::nullopt, {}},
        {{"a.tpz"}, std::nullopt, {"a.tpz"}},
        {{"--language", "en", "a.tpz"}, Language::English, {"a.tpz"}},
        {{"a.tpz", "--language=ru"}, Language::Russian, {"a.tpz"}},
        {{"--language", "de"}, std::nullopt, {}},
        {{"--language"}, std::nullopt, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        EXPECT_EQ(takeLanguageOption(args), c.language);
        EXPECT_EQ(args, c.files);
    }
}

} // namespace
} // namespace zw
