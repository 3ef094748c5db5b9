// The analysis as JSON (the command-line tool's --json output) and as the
// Russian lines of the analysis panel and the readable report. Every line that
// names zones carries their numbers, so the panel can select and centre them.
#pragma once

#include "analysis/analysis.h"

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
    std::vector<int> zones; // the start zone, when there is one
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

// "2 игрока, из них 1 человек".
std::string setupTitle(int players, int humans);
// The Russian word form for n: one ("игрок"), few ("игрока"), many ("игроков").
std::string_view russianPlural(int64_t n, std::string_view one, std::string_view few,
                               std::string_view many);

// The readable report of the command-line tool: the panel's lines, UTF-8, line feeds.
std::string readableReport(const TemplateAnalysis& a);

} // namespace zw
