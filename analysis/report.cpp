#include "analysis/report.h"

#include "model/presets.h"

#include <algorithm>

namespace zw {

namespace {

using nlohmann::ordered_json;

ordered_json optionalNumber(const std::optional<int>& v) {
    return v ? ordered_json(*v) : ordered_json(nullptr);
}

std::string numberList(const std::vector<int>& numbers) {
    std::string out;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            out += i + 1 == numbers.size() ? " и " : ", ";
        out += std::to_string(numbers[i]);
    }
    return out;
}

std::string zonesPhrase(const std::vector<int>& zones) {
    return std::string(zones.size() == 1 ? "локация " : "локации ") + numberList(zones);
}

std::string playerCaption(int player) {
    return "Игрок " + std::to_string(player) + " (" + std::string(playerColourName(player)) + ")";
}

int64_t mineTotal(const Holdings& h) {
    int64_t n = 0;
    for (int64_t m : h.mines)
        n += m;
    return n;
}

std::string holdingsText(const Holdings& h) {
    return "локаций " + std::to_string(h.zones) + ", сокровища " + std::to_string(h.treasure) +
           ", рудники " + std::to_string(mineTotal(h)) + ", города " + std::to_string(h.towns);
}

std::string fairnessTitle(const TemplateAnalysis& a) {
    int humans = 1;
    for (const SetupAnalysis& s : a.setups)
        if (s.players == a.players)
            humans = std::max(humans, s.humans);
    return setupTitle(a.players, humans);
}

} // namespace

std::string_view russianPlural(int64_t n, std::string_view one, std::string_view few,
                               std::string_view many) {
    const int64_t lastTwo = (n < 0 ? -n : n) % 100;
    const int64_t last = lastTwo % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return many;
    if (last == 1)
        return one;
    if (last >= 2 && last <= 4)
        return few;
    return many;
}

std::string setupTitle(int players, int humans) {
    return std::to_string(players) + " " +
           std::string(russianPlural(players, "игрок", "игрока", "игроков")) + ", из них " +
           std::to_string(humans) + " " +
           std::string(russianPlural(humans, "человек", "человека", "человек"));
}

ordered_json analysisToJson(const TemplateAnalysis& a) {
    ordered_json setups = ordered_json::array();
    for (const SetupAnalysis& s : a.setups) {
        ordered_json pairs = ordered_json::array();
        for (const auto& p : s.separatedStarts)
            pairs.push_back({p[0], p[1]});
        setups.push_back(ordered_json{{"players", s.players},
                                      {"humans", s.humans},
                                      {"zones", s.zones},
                                      {"components", s.components},
                                      {"unreachable", s.unreachable},
                                      {"separatedStarts", pairs}});
    }
    ordered_json warnings = ordered_json::array();
    for (const TemplateWarning& w : a.warnings) {
        ordered_json j{{"code", warningCodeName(w.code)}};
        if (w.player)
            j["player"] = *w.player;
        j["zones"] = w.zones;
        j["connections"] = w.connections;
        warnings.push_back(std::move(j));
    }
    ordered_json fairness = ordered_json::array();
    for (const PlayerFairness& f : a.fairness) {
        ordered_json within = ordered_json::array();
        for (const Holdings& h : f.within)
            within.push_back(ordered_json{{"distance", h.distance},
                                          {"zones", h.zones},
                                          {"treasure", h.treasure},
                                          {"mines", h.mines},
                                          {"towns", h.towns}});
        fairness.push_back(ordered_json{{"player", f.player},
                                        {"startZone", optionalNumber(f.startZone)},
                                        {"nearestOpponent", optionalNumber(f.nearestOpponent)},
                                        {"within", within}});
    }
    return ordered_json{
        {"players", a.players}, {"setups", setups}, {"warnings", warnings}, {"fairness", fairness}};
}

std::vector<SetupFindings> setupFindings(const TemplateAnalysis& a) {
    std::vector<SetupFindings> out;
    for (const SetupAnalysis& s : a.setups) {
        if (s.unreachable.empty() && s.separatedStarts.empty())
            continue;
        SetupFindings g{s.players, s.humans, setupTitle(s.players, s.humans), {}};
        if (!s.unreachable.empty())
            g.findings.push_back({g.title + ": " + zonesPhrase(s.unreachable) +
                                      (s.unreachable.size() == 1 ? " недостижима" : " недостижимы"),
                                  s.unreachable});
        for (const auto& p : s.separatedStarts)
            g.findings.push_back({g.title + ": стартовые локации " + std::to_string(p[0]) + " и " +
                                      std::to_string(p[1]) + " не связаны между собой",
                                  {p[0], p[1]}});
        out.push_back(std::move(g));
    }
    return out;
}

std::vector<AnalysisFinding> warningFindings(const TemplateAnalysis& a) {
    std::vector<AnalysisFinding> out;
    for (const TemplateWarning& w : a.warnings) {
        std::string text;
        switch (w.code) {
        case WarningCode::IsolatedZone:
            text = "Локация " + numberList(w.zones) + " не соединена ни с одной другой";
            break;
        case WarningCode::SelfConnection:
            text = "Соединение " + numberList(w.connections) + " соединяет локацию " +
                   numberList(w.zones) + " саму с собой";
            break;
        case WarningCode::DuplicateConnection:
            text = "Локации " + numberList(w.zones) + " соединены несколько раз: соединения " +
                   numberList(w.connections);
            break;
        case WarningCode::StartWithoutTown:
            text = "В стартовой локации " + numberList(w.zones) + " нет города";
            break;
        // The template check's own words, with the zones they concern.
        case WarningCode::SecondStartZone:
            text = "У игрока " + std::to_string(w.player.value_or(0)) +
                   " больше одной стартовой локации: " + zonesPhrase(w.zones);
            break;
        case WarningCode::StartWithoutOwner:
            text = "Стартовая локация " + numberList(w.zones) + " не принадлежит ни одному игроку";
            break;
        case WarningCode::OwnerBeyondPlayers:
            text = "У игрока " + std::to_string(w.player.value_or(0)) +
                   " есть замки, но этого игрока на карте нет: " + zonesPhrase(w.zones);
            break;
        case WarningCode::MissingStartZone:
            text = "У игрока " + std::to_string(w.player.value_or(0)) + " нет стартовой локации";
            break;
        }
        out.push_back({std::move(text), w.zones});
    }
    return out;
}

FairnessTable fairnessTable(const TemplateAnalysis& a) {
    FairnessTable table;
    table.title = fairnessTitle(a);
    table.headers = {"Игрок", "Старт", "До соперника"};
    for (int d = 0; d < kFairnessDistances; ++d)
        table.headers.push_back("Радиус " + std::to_string(d));
    table.spreads.resize(kFairnessDistances);

    for (const PlayerFairness& f : a.fairness) {
        FairnessRow row;
        row.player = playerCaption(f.player);
        row.start = f.startZone ? "локация " + std::to_string(*f.startZone) : "нет";
        row.nearestOpponent = f.nearestOpponent ? std::to_string(*f.nearestOpponent) : "нет";
        if (f.startZone)
            row.zones = {*f.startZone};
        const size_t rowIndex = table.rows.size();
        for (const Holdings& h : f.within) {
            row.within.push_back(holdingsText(h));
            row.treasure.push_back(h.treasure);
            FairnessSpread& s = table.spreads[static_cast<size_t>(h.distance)];
            const auto treasureOfRow = [&](size_t r) {
                return a.fairness[r].within[static_cast<size_t>(h.distance)].treasure;
            };
            if (!s.richestRow || h.treasure > treasureOfRow(*s.richestRow))
                s.richestRow = rowIndex;
            if (!s.poorestRow || h.treasure < treasureOfRow(*s.poorestRow))
                s.poorestRow = rowIndex;
        }
        table.rows.push_back(std::move(row));
    }
    for (size_t d = 0; d < table.spreads.size(); ++d) {
        FairnessSpread& s = table.spreads[d];
        if (!s.richestRow || !s.poorestRow)
            continue;
        const int64_t richest = a.fairness[*s.richestRow].within[d].treasure;
        const int64_t poorest = a.fairness[*s.poorestRow].within[d].treasure;
        s.spread = richest - poorest;
        if (s.spread == 0) {
            // All starts are equal: nothing to highlight.
            s.richestRow.reset();
            s.poorestRow.reset();
            s.text = "разброс сокровищ 0: все старты равны";
            continue;
        }
        s.text = "разброс сокровищ " + std::to_string(s.spread) + " (больше всего у игрока " +
                 std::to_string(a.fairness[*s.richestRow].player) + ", меньше всего у игрока " +
                 std::to_string(a.fairness[*s.poorestRow].player) + ")";
    }
    return table;
}

std::string setupsWithoutFindingsLine(const TemplateAnalysis& a) {
    if (a.setups.empty())
        return "ни одного: ни один игрок не может быть человеком";
    const bool sound = std::none_of(a.setups.begin(), a.setups.end(), [](const SetupAnalysis& s) {
        return !s.unreachable.empty() || !s.separatedStarts.empty();
    });
    if (sound)
        return "во всех составах все локации достижимы и стартовые локации связаны";
    return {};
}

std::string moreFindingsLine(size_t hidden) {
    const auto n = static_cast<int64_t>(hidden);
    return "и ещё " + std::to_string(n) + " " +
           std::string(russianPlural(n, "замечание", "замечания", "замечаний"));
}

std::string fairnessHeading(const FairnessTable& t) {
    return "Равенство стартов (" + t.title + ")";
}

std::string fairnessColumnTip(int distance) {
    return "Сокровища не дальше " + std::to_string(distance) + " " +
           std::string(russianPlural(distance, "перехода", "переходов", "переходов")) +
           " от старта";
}

std::string fairnessCellTip(const FairnessTable& t, size_t row, size_t distance) {
    if (row >= t.rows.size() || distance >= t.rows[row].within.size())
        return {};
    std::string tip = t.rows[row].within[distance];
    if (distance < t.spreads.size()) {
        const FairnessSpread& s = t.spreads[distance];
        if (s.richestRow == row)
            tip += "\nСамый богатый старт: " + s.text;
        else if (s.poorestRow == row)
            tip += "\nСамый бедный старт: " + s.text;
    }
    return tip;
}

std::vector<std::string> fairnessSpreadLines(const FairnessTable& t) {
    std::vector<std::string> out;
    for (size_t d = 0; d < t.spreads.size(); ++d)
        if (!t.spreads[d].text.empty())
            out.push_back("Радиус " + std::to_string(d) + ": " + t.spreads[d].text);
    return out;
}

std::string readableReport(const TemplateAnalysis& a) {
    std::string out = "Шаблон на " + std::to_string(a.players) + " " +
                      std::string(russianPlural(a.players, "игрока", "игрока", "игроков")) + ".\n";

    out += "\n" + std::string(kSetupsHeading) + ":\n";
    if (const std::string none = setupsWithoutFindingsLine(a); !none.empty())
        out += "  " + none + "\n";
    for (const SetupFindings& g : setupFindings(a))
        for (const AnalysisFinding& f : g.findings)
            out += "  " + f.text + "\n";

    out += "\n" + std::string(kWarningsHeading) + ":\n";
    const auto warnings = warningFindings(a);
    if (warnings.empty())
        out += "  нет\n";
    for (const AnalysisFinding& f : warnings)
        out += "  " + f.text + "\n";

    const FairnessTable table = fairnessTable(a);
    out += "\n" + fairnessHeading(table) + ":\n";
    for (const FairnessRow& row : table.rows) {
        out += "  " + row.player + ": старт: " + row.start +
               ", до соперника: " + row.nearestOpponent + "\n";
        for (size_t d = 0; d < row.within.size(); ++d)
            out += "    радиус " + std::to_string(d) + ": " + row.within[d] + "\n";
    }
    for (const std::string& line : fairnessSpreadLines(table))
        out += "  " + line + "\n";
    return out;
}

} // namespace zw
