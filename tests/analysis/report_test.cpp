// The analysis as JSON and as the panel's Russian lines.
#include "analysis/report.h"
#include "support/analysis_samples.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(AnalysisReport, RussianPluralForms) {
    const std::pair<int64_t, std::string_view> cases[] = {
        {1, "игрок"},    {2, "игрока"}, {4, "игрока"},  {5, "игроков"}, {11, "игроков"},
        {12, "игроков"}, {21, "игрок"}, {22, "игрока"}, {0, "игроков"}, {111, "игроков"}};
    for (const auto& [n, word] : cases)
        EXPECT_EQ(russianPlural(n, "игрок", "игрока", "игроков"), word) << n;
    EXPECT_EQ(setupTitle(3, 1), "3 игрока, из них 1 человек");
    EXPECT_EQ(setupTitle(5, 2), "5 игроков, из них 2 человека");
    EXPECT_EQ(setupTitle(8, 5), "8 игроков, из них 5 человек");
    EXPECT_EQ(moreFindingsLine(1), "и ещё 1 замечание");
    EXPECT_EQ(moreFindingsLine(9900), "и ещё 9900 замечаний");
}

TEST(AnalysisReport, SetupFindingsNameTheirZones) {
    TemplateAnalysis a;
    a.players = 3;
    a.setups = {{2, 1, {1, 2}, {{1, 2}}, {}, {}},
                {3, 1, {1, 2, 7}, {{1, 2}, {7}}, {7}, {}},
                {3, 2, {1, 2, 7, 8, 9}, {{1, 8}, {2}, {7, 9}}, {7, 9}, {{1, 2}}}};
    const auto groups = setupFindings(a);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].title, "3 игрока, из них 1 человек");
    EXPECT_EQ(groups[0].findings, (std::vector<AnalysisFinding>{
                                      {"3 игрока, из них 1 человек: локация 7 недостижима", {7}}}));
    EXPECT_EQ(groups[1].findings,
              (std::vector<AnalysisFinding>{
                  {"3 игрока, из них 2 человека: локации 7 и 9 недостижимы", {7, 9}},
                  {"3 игрока, из них 2 человека: стартовые локации 1 и 2 не связаны между собой",
                   {1, 2}}}));
}

TEST(AnalysisReport, WarningLines) {
    TemplateAnalysis a;
    a.warnings = {{WarningCode::IsolatedZone, {4}, {}},
                  {WarningCode::SelfConnection, {3}, {5}},
                  {WarningCode::DuplicateConnection, {1, 2}, {1, 2, 6}},
                  {WarningCode::StartWithoutTown, {2}, {}},
                  {WarningCode::SecondStartZone, {1, 4}, {}, 1},
                  {WarningCode::StartWithoutOwner, {6}, {}},
                  {WarningCode::OwnerBeyondPlayers, {7}, {}, 3},
                  {WarningCode::MissingStartZone, {}, {}, 2}};
    EXPECT_EQ(warningFindings(a),
              (std::vector<AnalysisFinding>{
                  {"Локация 4 не соединена ни с одной другой", {4}},
                  {"Соединение 5 соединяет локацию 3 саму с собой", {3}},
                  {"Локации 1 и 2 соединены несколько раз: соединения 1, 2 и 6", {1, 2}},
                  {"В стартовой локации 2 нет города", {2}},
                  {"У игрока 1 больше одной стартовой локации: локации 1 и 4", {1, 4}},
                  {"Стартовая локация 6 не принадлежит ни одному игроку", {6}},
                  {"У игрока 3 есть замки, но этого игрока на карте нет: локация 7", {7}},
                  {"У игрока 2 нет стартовой локации", {}}}));
}

TEST(AnalysisReport, FairnessTableMarksRichestAndPoorestPerDistance) {
    TemplateAnalysis a;
    a.players = 3;
    a.setups = {{3, 2, {}, {}, {}, {}}};
    auto within = [](std::array<int64_t, 4> treasure) {
        std::vector<Holdings> w;
        for (int d = 0; d < 4; ++d)
            w.push_back({d, d + 1, treasure[static_cast<size_t>(d)], {1, 0, 0, 0, 0, 0, 1}, 1});
        return w;
    };
    a.fairness = {{1, 1, 3, within({0, 9000, 9800, 9800})},
                  {2, 2, 3, within({0, 10800, 9000, 19800})},
                  {3, std::nullopt, std::nullopt, {}}};
    const FairnessTable table = fairnessTable(a);
    EXPECT_EQ(table.title, "3 игрока, из них 2 человека");
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0].player, "Игрок 1 (красный)");
    EXPECT_EQ(table.rows[0].start, "локация 1");
    EXPECT_EQ(table.rows[0].zones, std::vector<int>{1});
    EXPECT_EQ(table.rows[0].within[1], "локаций 2, сокровища 9000, рудники 2, города 1");
    EXPECT_EQ(table.rows[2].start, "нет");
    EXPECT_EQ(table.rows[2].nearestOpponent, "нет");
    EXPECT_TRUE(table.rows[2].within.empty());

    // Richest and poorest row, spread and its text for each distance.
    using Spread = std::tuple<std::optional<size_t>, std::optional<size_t>, int64_t, std::string>;
    std::vector<Spread> spreads;
    for (const FairnessSpread& s : table.spreads)
        spreads.emplace_back(s.richestRow, s.poorestRow, s.spread, s.text);
    const std::string second = "больше всего у игрока 2, меньше всего у игрока 1)";
    EXPECT_EQ(
        spreads,
        (std::vector<Spread>{
            {std::nullopt, std::nullopt, 0, "разброс сокровищ 0: все старты равны"},
            {1, 0, 1800, "разброс сокровищ 1800 (" + second},
            {0, 1, 800, "разброс сокровищ 800 (больше всего у игрока 1, меньше всего у игрока 2)"},
            {1, 0, 10000, "разброс сокровищ 10000 (" + second}}));

    // What the panel shows of it.
    EXPECT_EQ(fairnessHeading(table), "Равенство стартов (3 игрока, из них 2 человека)");
    EXPECT_EQ(table.rows[1].treasure, (std::vector<int64_t>{0, 10800, 9000, 19800}));
    EXPECT_EQ(fairnessCellTip(table, 1, 1),
              "локаций 2, сокровища 10800, рудники 2, города 1\nСамый богатый старт: " +
                  table.spreads[1].text);
    EXPECT_EQ(fairnessCellTip(table, 0, 1),
              "локаций 2, сокровища 9000, рудники 2, города 1\nСамый бедный старт: " +
                  table.spreads[1].text);
    EXPECT_EQ(fairnessCellTip(table, 0, 0), "локаций 1, сокровища 0, рудники 2, города 1");
    EXPECT_EQ(fairnessCellTip(table, 2, 0), ""); // no start
    EXPECT_EQ(fairnessCellTip(table, 3, 0), ""); // no such row
    EXPECT_EQ(fairnessSpreadLines(table).front(), "Радиус 0: разброс сокровищ 0: все старты равны");
    EXPECT_EQ(fairnessSpreadLines(table).size(), 4u);
    EXPECT_EQ(fairnessColumnTip(1), "Сокровища не дальше 1 перехода от старта");
    EXPECT_EQ(fairnessColumnTip(3), "Сокровища не дальше 3 переходов от старта");
}

// The whole readable report of a template with a finding of each section.
TEST(AnalysisReport, ReadableReport) {
    TemplateAnalysis a;
    a.players = 2;
    a.setups = {{2, 1, {1, 2, 3}, {{1, 2}, {3}}, {3}, {}}};
    a.warnings = {{WarningCode::IsolatedZone, {3}, {}}};
    a.fairness = {{1, 1, 1, {{0, 1, 500, {}, 1}}}, {2, 2, 1, {{0, 1, 0, {}, 1}}}};
    EXPECT_EQ(readableReport(a), "Шаблон на 2 игрока.\n"
                                 "\nСоставы игроков:\n"
                                 "  2 игрока, из них 1 человек: локация 3 недостижима\n"
                                 "\nПредупреждения:\n"
                                 "  Локация 3 не соединена ни с одной другой\n"
                                 "\nРавенство стартов (2 игрока, из них 1 человек):\n"
                                 "  Игрок 1 (красный): старт: локация 1, до соперника: 1\n"
                                 "    радиус 0: локаций 1, сокровища 500, рудники 0, города 1\n"
                                 "  Игрок 2 (синий): старт: локация 2, до соперника: 1\n"
                                 "    радиус 0: локаций 1, сокровища 0, рудники 0, города 1\n"
                                 "  Радиус 0: разброс сокровищ 500 (больше всего у игрока 1, "
                                 "меньше всего у игрока 2)\n");

    // Without setup findings or warnings, a line says so.
    EXPECT_EQ(setupsWithoutFindingsLine(a), "");
    a.setups[0].unreachable.clear();
    EXPECT_EQ(setupsWithoutFindingsLine(a),
              "во всех составах все локации достижимы и стартовые локации связаны");
    a.warnings.clear();
    const std::string report = readableReport(a);
    EXPECT_NE(report.find("Составы игроков:\n  во всех составах"), std::string::npos);
    EXPECT_NE(report.find("Предупреждения:\n  нет\n"), std::string::npos);
    a.setups.clear();
    EXPECT_EQ(setupsWithoutFindingsLine(a), "ни одного: ни один игрок не может быть человеком");
}

TEST(AnalysisReport, JsonKeysInTheirOrder) {
    TRmg t = test::analysisTemplate(2);
    t.appendZone(test::startWithCastle(1));
    t.appendZone(test::startWithCastle(2));
    t.appendConnection(test::link(1, 2));
    t.appendZone(test::startWithCastle(2)); // a second start of player 2, joined to nothing
    const auto j = analysisToJson(analyzeTemplate(t));
    auto keys = [](const nlohmann::ordered_json& o) {
        std::vector<std::string> k;
        for (const auto& item : o.items())
            k.push_back(item.key());
        return k;
    };
    using Keys = std::vector<std::string>;
    EXPECT_EQ(keys(j), (Keys{"players", "setups", "warnings", "fairness"}));
    EXPECT_EQ(keys(j["setups"][0]),
              (Keys{"players", "humans", "zones", "components", "unreachable", "separatedStarts"}));
    EXPECT_EQ(keys(j["fairness"][0]), (Keys{"player", "startZone", "nearestOpponent", "within"}));
    ASSERT_EQ(j["warnings"].size(), 2u);
    EXPECT_EQ(keys(j["warnings"][0]), (Keys{"code", "zones", "connections"}));
    EXPECT_EQ(keys(j["warnings"][1]), (Keys{"code", "player", "zones", "connections"}));
    EXPECT_EQ(j["warnings"][1]["code"], "second-start-zone");
    EXPECT_EQ(keys(j["fairness"][0]["within"][0]),
              (Keys{"distance", "zones", "treasure", "mines", "towns"}));
}

} // namespace
} // namespace zw
