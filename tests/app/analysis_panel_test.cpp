// The analysis panel's wiring: it shows the report's lines, follows the
// template it is given, marks the fairness extremes and reports the zones of a
// clicked line. The texts themselves are tested with the report.
#include "analysis/report.h"
#include "app/analysis_panel.h"
#include "app/icons.h"
#include "support/analysis_samples.h"

#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace zw {
namespace {

// Starts 1 and 2 joined; treasure zone 3 hangs off start 1 by a passage that
// exists only with two humans, so with one human zone 3 is cut off, and in the
// fairness setup (two humans) player 1 is the richer within one connection.
TRmg zoneThreeCutOffForOneHuman() {
    TRmg t = test::analysisTemplate(2);
    t.appendZone(test::startWithCastle(1));
    t.appendZone(test::startWithCastle(2));
    ZoneRecord rich = test::bareZone(1);
    rich.treasure[0] = {500, 3000, 9};
    t.appendZone(rich);
    t.appendConnection(test::link(1, 2));
    t.appendConnection(test::link(1, 3, {test::fixedPassage(2, 2, 1, 8)}));
    return t;
}

class AnalysisPanelTest : public ::testing::Test {
  protected:
    AnalysisPanelTest() {
        QObject::connect(&panel, &AnalysisPanel::zonesActivated,
                         [this](std::vector<int> zones) { activated.push_back(std::move(zones)); });
        panel.resize(600, 700);
    }
    void clickLine(QTreeWidgetItem* item) {
        QTreeWidget* tree = panel.findings();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                          tree->visualItemRect(item).center());
    }

    AnalysisPanel panel;
    std::vector<std::vector<int>> activated;
};

TEST_F(AnalysisPanelTest, FindingsFollowTheTemplateAndNameTheirZones) {
    EXPECT_EQ(panel.objectName(), "analysisPanel");
    EXPECT_EQ(panel.windowTitle(), "Анализ шаблона");
    EXPECT_TRUE(panel.isHidden());
    EXPECT_FALSE(toolbarIcon("analysis").isNull());

    TRmg t = zoneThreeCutOffForOneHuman();
    panel.setTemplate(t);
    panel.show();
    QTreeWidget* tree = panel.findings();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem* setups = tree->topLevelItem(0);
    EXPECT_EQ(setups->text(0), "Составы игроков");
    ASSERT_EQ(setups->childCount(), 1);
    EXPECT_EQ(setups->child(0)->text(0), "2 игрока, из них 1 человек");
    ASSERT_EQ(setups->child(0)->childCount(), 1);
    QTreeWidgetItem* finding = setups->child(0)->child(0);
    EXPECT_EQ(finding->text(0), "2 игрока, из них 1 человек: локация 3 недостижима");
    ASSERT_EQ(tree->topLevelItem(1)->childCount(), 1);
    EXPECT_EQ(tree->topLevelItem(1)->child(0)->text(0), "Предупреждений нет");

    clickLine(setups->child(0)); // a setup's title names no zones
    clickLine(finding);
    EXPECT_EQ(activated, std::vector<std::vector<int>>{{3}});

    t.appendConnection(test::link(2, 3));
    panel.setTemplate(t);
    setups = tree->topLevelItem(0);
    ASSERT_EQ(setups->childCount(), 1);
    EXPECT_EQ(setups->child(0)->text(0),
              "во всех составах все локации достижимы и стартовые локации связаны");
    EXPECT_EQ(setups->child(0)->childCount(), 0);
}

TEST_F(AnalysisPanelTest, FairnessTableMarksTheRichestAndThePoorestStart) {
    panel.setTemplate(zoneThreeCutOffForOneHuman());
    panel.show();
    EXPECT_EQ(panel.fairnessTitle()->text(), "Равенство стартов (2 игрока, из них 2 человека)");
    QTableWidget* table = panel.fairness();
    ASSERT_EQ(table->rowCount(), 2);
    ASSERT_EQ(table->columnCount(), 7);
    EXPECT_EQ(table->horizontalHeaderItem(4)->text(), "Радиус 1");
    EXPECT_EQ(table->item(0, 0)->text(), "Игрок 1 (красный)");
    EXPECT_EQ(table->item(0, 4)->text(), "31500");
    EXPECT_EQ(table->item(1, 4)->text(), "0");

    // Distance 0: equal starts, nothing marked; distance 1: player 1 richest.
    EXPECT_EQ(table->item(0, 3)->background(), QBrush());
    EXPECT_EQ(table->item(1, 3)->background(), QBrush());
    EXPECT_EQ(table->item(0, 4)->background().color(), AnalysisPanel::kRichestColour);
    EXPECT_EQ(table->item(1, 4)->background().color(), AnalysisPanel::kPoorestColour);
    EXPECT_TRUE(table->item(0, 4)->toolTip().contains("Самый богатый старт"));
    EXPECT_TRUE(panel.spreads()->text().contains("Радиус 1: разброс сокровищ 31500"));

    // A click on a player's row names the start zone.
    const QRect second = table->visualItemRect(table->item(1, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    EXPECT_EQ(activated, std::vector<std::vector<int>>{{2}});
}

// A damaged file's thousands of lines would make every edit wait for the panel.
TEST_F(AnalysisPanelTest, LongGroupsAreCut) {
    TRmg t = zoneThreeCutOffForOneHuman();
    for (size_t i = 0; i < kPanelLinesPerGroup + 5; ++i)
        t.appendZone(test::bareZone(1)); // each one unconnected
    panel.setTemplate(t);
    QTreeWidgetItem* warnings = panel.findings()->topLevelItem(1);
    ASSERT_EQ(warnings->childCount(), static_cast<int>(kPanelLinesPerGroup) + 1);
    EXPECT_EQ(warnings->child(static_cast<int>(kPanelLinesPerGroup))->text(0), "и ещё 5 замечаний");
}

} // namespace
} // namespace zw
