// The analysis as JSON (the command-line tool's --json output) and as the
// Russian lines of the analysis panel and the readable report. Every line that
// names zones carries their numbers, so the panel can select and centre them.
#pragma once

#include "analysis/analysis.h"
#include "model/translation.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace zw {

nlohmann::ordered_json analysisToJson(const TemplateAnalysis& a);

// A line of the panel (UTF-8) and the zones it names (1-based).
struct AnalysisFinding {
    std::string text;
    std::vector<int> zones;
    bool operator==(const AnalysisFinding&) const = default;
};

// The findings of one setup, e.g. title "3 игрока, из них 1 человек" and the
// finding "3 игрока, из них 1 человек: локация 7 недостижима".
struct SetupFindings {
    int players = 0;
    int humans = 0;
    std::string title;
    std::vector<AnalysisFinding> findings;
};

// Setups with at least one finding, in the analysis' order.
std::vector<SetupFindings> setupFindings(const TemplateAnalysis& a);
std::vector<AnalysisFinding> warningFindings(const TemplateAnalysis& a);

// The fairness table: one row per player, one column per distance 0..3.
struct FairnessRow {
    std::string player;          // "Игрок 1 (красный)"
    std::string start;           // "локация 1" or "нет"
    std::string nearestOpponent; // "2" or "нет"
    std::vector<std::string> within;
    std::vector<int64_t> treasure; // per distance, as in `within`
    std::vector<int> zones;        // the start zone, when there is one
};

// Per distance: the richest and the poorest start by treasure and the spread
// between them; rows are indices into FairnessTable::rows, unset when every
// start holds the same (or no player has a start).
struct FairnessSpread {
    std::optional<size_t> richestRow;
    std::optional<size_t> poorestRow;
    int64_t spread = 0;
    std::string text;
};

struct FairnessTable {
    std::string title; // the setup the table describes
    std::vector<std::string> headers;
    std::vector<FairnessRow> rows;
    std::vector<FairnessSpread> spreads; // one per distance column
};

FairnessTable fairnessTable(const TemplateAnalysis& a);

// The headings of the panel and the readable report, and the line the panel
// shows under the warnings heading when there are none.
// Russian, shown through translated("Analysis", ...).
inline constexpr std::string_view kSetupsHeading = ZW_TR_NOOP("Analysis", "Составы игроков");
inline constexpr std::string_view kWarningsHeading = ZW_TR_NOOP("Analysis", "Предупреждения");
inline constexpr std::string_view kNoWarningsLine = ZW_TR_NOOP("Analysis", "Предупреждений нет");

// A damaged file may give a setup, or the warnings, thousands of lines; the
// panel lists this many of each group and then says how many more there are.
inline constexpr size_t kPanelLinesPerGroup = 100;
// "и ещё 9900 замечаний".
std::string moreFindingsLine(size_t hidden);

// The line that stands under the setups heading when no setup has a finding:
// every setup is sound, or the template allows none. Empty when there are findings.
std::string setupsWithoutFindingsLine(const TemplateAnalysis& a);

// "Равенство стартов (3 игрока, из них 2 человека)".
std::string fairnessHeading(const FairnessTable& t);
// What a distance column of the panel's table shows: "Сокровища не дальше 2 переходов от старта".
std::string fairnessColumnTip(int distance);
// What the panel tells of one distance cell: what lies within the distance and,
// at the richest or the poorest start of that distance, the spread. Empty for a
// player without a start or a cell outside the table.
std::string fairnessCellTip(const FairnessTable& t, size_t row, size_t distance);
// "Радиус 1: разброс сокровищ 1800 (...)", one per distance column.
std::vector<std::string> fairnessSpreadLines(const FairnessTable& t);

// "2 игрока, из них 1 человек".
std::string setupTitle(int players, int humans);
// The Russian word form for n: one ("игрок"), few ("игрока"), many ("игроков").
std::string_view russianPlural(int64_t n, std::string_view one, std::string_view few,
                               std::string_view many);

// The readable report of the command-line tool: the panel's lines, UTF-8, line feeds.
std::string readableReport(const TemplateAnalysis& a);

} // namespace zw
