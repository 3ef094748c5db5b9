#include "analysis/report.h"

#include "model/presets.h"
#include "model/translation.h"

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
            out += i + 1 == numbers.size() ? ZW_TR("Analysis", " и ") : std::string(", ");
        out += std::to_string(numbers[i]);
    }
    return out;
}

std::string zonesPhrase(const std::vector<int>& zones) {
    return withArguments(zones.size() == 1 ? ZW_TR("Analysis", "локация %1")
                                           : ZW_TR("Analysis", "локации %1"),
                         {numberList(zones)});
}

std::string playerCaption(int player) {
    return withArguments(ZW_TR("Analysis", "Игрок %1 (%2)"),
                         {std::to_string(player), playerColourName(player)});
}

int64_t mineTotal(const Holdings& h) {
    int64_t n = 0;
    for (int64_t m : h.mines)
        n += m;
    return n;
}

std::string holdingsText(const Holdings& h) {
    return withArguments(ZW_TR("Analysis", "локаций %1, сокровища %2, рудники %3, города %4"),
                         {std::to_string(h.zones), std::to_string(h.treasure),
                          std::to_string(mineTotal(h)), std::to_string(h.towns)});
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
    return withArguments(
        ZW_TR("Analysis", "%1, %2"),
        {countedText("Analysis", players, ZW_TR_NOOP("Analysis", "%1 игрок"),
                     ZW_TR_NOOP("Analysis", "%1 игрока"), ZW_TR_NOOP("Analysis", "%1 игроков")),
         countedText("Analysis", humans, ZW_TR_NOOP("Analysis", "из них %1 человек"),
                     ZW_TR_NOOP("Analysis", "из них %1 человека"),
                     ZW_TR_NOOP("Analysis", "из них %1 человек"))});
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
            g.findings.push_back(
                {withArguments(s.unreachable.size() == 1 ? ZW_TR("Analysis", "%1: %2 недостижима")
                                                         : ZW_TR("Analysis", "%1: %2 недостижимы"),
                               {g.title, zonesPhrase(s.unreachable)}),
                 s.unreachable});
        for (const auto& p : s.separatedStarts)
            g.findings.push_back(
                {withArguments(
                     ZW_TR("Analysis", "%1: стартовые локации %2 и %3 не связаны между собой"),
                     {g.title, std::to_string(p[0]), std::to_string(p[1])}),
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
            text = withArguments(ZW_TR("Analysis", "Локация %1 не соединена ни с одной другой"),
                                 {numberList(w.zones)});
            break;
        case WarningCode::SelfConnection:
            text =
                withArguments(ZW_TR("Analysis", "Соединение %1 соединяет локацию %2 саму с собой"),
                              {numberList(w.connections), numberList(w.zones)});
            break;
        case WarningCode::DuplicateConnection:
            text = withArguments(
                ZW_TR("Analysis", "Локации %1 соединены несколько раз: соединения %2"),
                {numberList(w.zones), numberList(w.connections)});
            break;
        case WarningCode::StartWithoutTown:
            text = withArguments(ZW_TR("Analysis", "В стартовой локации %1 нет города"),
                                 {numberList(w.zones)});
            break;
        // The template check's own words, with the zones they concern.
        case WarningCode::SecondStartZone:
            text =
                withArguments(ZW_TR("Analysis", "У игрока %1 больше одной стартовой локации: %2"),
                              {std::to_string(w.player.value_or(0)), zonesPhrase(w.zones)});
            break;
        case WarningCode::StartWithoutOwner:
            text = withArguments(
                ZW_TR("Analysis", "Стартовая локация %1 не принадлежит ни одному игроку"),
                {numberList(w.zones)});
            break;
        case WarningCode::OwnerBeyondPlayers:
            text = withArguments(
                ZW_TR("Analysis", "У игрока %1 есть замки, но этого игрока на карте нет: %2"),
                {std::to_string(w.player.value_or(0)), zonesPhrase(w.zones)});
            break;
        case WarningCode::MissingStartZone:
            text = withArguments(ZW_TR("Analysis", "У игрока %1 нет стартовой локации"),
                                 {std::to_string(w.player.value_or(0))});
            break;
        }
        out.push_back({std::move(text), w.zones});
    }
    return out;
}

FairnessTable fairnessTable(const TemplateAnalysis& a) {
    FairnessTable table;
    table.title = fairnessTitle(a);
    table.headers = {ZW_TR("Analysis", "Игрок"), ZW_TR("Analysis", "Старт"),
                     ZW_TR("Analysis", "До соперника")};
    for (int d = 0; d < kFairnessDistances; ++d)
        table.headers.push_back(withArguments(ZW_TR("Analysis", "Радиус %1"), {std::to_string(d)}));
    table.spreads.resize(kFairnessDistances);

    for (const PlayerFairness& f : a.fairness) {
        FairnessRow row;
        row.player = playerCaption(f.player);
        row.start = f.startZone ? withArguments(ZW_TR("Analysis", "локация %1"),
                                                {std::to_string(*f.startZone)})
                                : ZW_TR("Analysis", "нет");
        row.nearestOpponent =
            f.nearestOpponent ? std::to_string(*f.nearestOpponent) : ZW_TR("Analysis", "нет");
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
            s.text = ZW_TR("Analysis", "разброс сокровищ 0: все старты равны");
            continue;
        }
        s.text = withArguments(ZW_TR("Analysis", "разброс сокровищ %1 (больше всего у игрока %2, "
                                                 "меньше всего у игрока %3)"),
                               {std::to_string(s.spread),
                                std::to_string(a.fairness[*s.richestRow].player),
                                std::to_string(a.fairness[*s.poorestRow].player)});
    }
    return table;
}

std::string setupsWithoutFindingsLine(const TemplateAnalysis& a) {
    if (a.setups.empty())
        return ZW_TR("Analysis", "ни одного: ни один игрок не может быть человеком");
    const bool sound = std::none_of(a.setups.begin(), a.setups.end(), [](const SetupAnalysis& s) {
        return !s.unreachable.empty() || !s.separatedStarts.empty();
    });
    if (sound)
        return ZW_TR("Analysis",
                     "во всех составах все локации достижимы и стартовые локации связаны");
    return {};
}

std::string moreFindingsLine(size_t hidden) {
    const auto n = static_cast<int64_t>(hidden);
    return countedText("Analysis", n, ZW_TR_NOOP("Analysis", "и ещё %1 замечание"),
                       ZW_TR_NOOP("Analysis", "и ещё %1 замечания"),
                       ZW_TR_NOOP("Analysis", "и ещё %1 замечаний"));
}

std::string fairnessHeading(const FairnessTable& t) {
    return withArguments(ZW_TR("Analysis", "Равенство стартов (%1)"), {t.title});
}

std::string fairnessColumnTip(int distance) {
    return countedText("Analysis", distance,
                       ZW_TR_NOOP("Analysis", "Сокровища не дальше %1 перехода от старта"),
                       ZW_TR_NOOP("Analysis", "Сокровища не дальше %1 переходов от старта"),
                       ZW_TR_NOOP("Analysis", "Сокровища не дальше %1 переходов от старта"));
}

std::string fairnessCellTip(const FairnessTable& t, size_t row, size_t distance) {
    if (row >= t.rows.size() || distance >= t.rows[row].within.size())
        return {};
    std::string tip = t.rows[row].within[distance];
    if (distance < t.spreads.size()) {
        const FairnessSpread& s = t.spreads[distance];
        if (s.richestRow == row)
            tip += withArguments(ZW_TR("Analysis", "\nСамый богатый старт: %1"), {s.text});
        else if (s.poorestRow == row)
            tip += withArguments(ZW_TR("Analysis", "\nСамый бедный старт: %1"), {s.text});
    }
    return tip;
}

std::vector<std::string> fairnessSpreadLines(const FairnessTable& t) {
    std::vector<std::string> out;
    for (size_t d = 0; d < t.spreads.size(); ++d)
        if (!t.spreads[d].text.empty())
            out.push_back(withArguments(ZW_TR("Analysis", "Радиус %1: %2"),
                                        {std::to_string(d), t.spreads[d].text}));
    return out;
}

std::string readableReport(const TemplateAnalysis& a) {
    std::string out =
        countedText("Analysis", a.players, ZW_TR_NOOP("Analysis", "Шаблон на %1 игрока."),
                    ZW_TR_NOOP("Analysis", "Шаблон на %1 игрока."),
                    ZW_TR_NOOP("Analysis", "Шаблон на %1 игроков.")) +
        "\n";

    out += "\n" + translated("Analysis", kSetupsHeading) + ":\n";
    if (const std::string none = setupsWithoutFindingsLine(a); !none.empty())
        out += "  " + none + "\n";
    for (const SetupFindings& g : setupFindings(a))
        for (const AnalysisFinding& f : g.findings)
            out += "  " + f.text + "\n";

    out += "\n" + translated("Analysis", kWarningsHeading) + ":\n";
    const auto warnings = warningFindings(a);
    if (warnings.empty())
        out += "  " + ZW_TR("Analysis", "нет") + "\n";
    for (const AnalysisFinding& f : warnings)
        out += "  " + f.text + "\n";

    const FairnessTable table = fairnessTable(a);
    out += "\n" + fairnessHeading(table) + ":\n";
    for (const FairnessRow& row : table.rows) {
        out += "  " +
               withArguments(ZW_TR("Analysis", "%1: старт: %2, до соперника: %3"),
                             {row.player, row.start, row.nearestOpponent}) +
               "\n";
        for (size_t d = 0; d < row.within.size(); ++d)
            out += "    " +
                   withArguments(ZW_TR("Analysis", "радиус %1: %2"),
                                 {std::to_string(d), row.within[d]}) +
                   "\n";
    }
    for (const std::string& line : fairnessSpreadLines(table))
        out += "  " + line + "\n";
    return out;
}

} // namespace zw
