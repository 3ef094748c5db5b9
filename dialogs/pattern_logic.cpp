#include "dialogs/pattern_logic.h"

#include "analysis/analysis.h"
#include "analysis/report.h"
#include "pattern/generate.h"
#include "platform/services.h"

#include <algorithm>

namespace zw {

void PatternForm::choosePattern(int position) {
    if (position < 0 || position >= static_cast<int>(kPatternOrder.size()))
        return;
    PatternForm before = *this;
    settings.pattern = kPatternOrder[static_cast<size_t>(position)];
    // A field the pattern takes up again starts at its usual value; every
    // field is then held to what the pattern allows.
    const PatternSettings usual = patternDefaults(settings.pattern, settings.players);
    if (!before.betweenRange().enabled() && betweenRange().enabled())
        settings.between = usual.between;
    if (!before.centreRange().enabled() && centreRange().enabled())
        settings.centre = usual.centre;
    settings.between = std::clamp(settings.between, betweenRange().min, betweenRange().max);
    settings.centre = std::clamp(settings.centre, centreRange().min, centreRange().max);
}

int PatternForm::patternPosition() const {
    const auto it = std::find(kPatternOrder.begin(), kPatternOrder.end(), settings.pattern);
    return static_cast<int>(it - kPatternOrder.begin());
}

FieldRange PatternForm::playersRange() const {
    return {kPatternMinPlayers, kPatternMaxPlayers};
}

FieldRange PatternForm::ownRange() const {
    return {0, kPatternMaxOwn};
}

FieldRange PatternForm::betweenRange() const {
    if (settings.pattern == PatternKind::Star)
        return {0, 0};
    return {0, kPatternMaxBetween};
}

FieldRange PatternForm::centreRange() const {
    switch (settings.pattern) {
    case PatternKind::Ring:
        return {0, 0};
    case PatternKind::Star:
        return {1, kPatternMaxCentre};
    case PatternKind::RingCentre:
        break;
    }
    return {0, kPatternMaxCentre};
}

std::string PatternForm::defaultName() const {
    return defaultPatternName(settings.pattern, settings.players);
}

PatternSettings PatternForm::chosen() const {
    PatternSettings s = settings;
    s.name.reset();
    if (!name.empty())
        s.name = name;
    return s;
}

std::optional<PatternSettings> PatternForm::accept(Services& services) const {
    const PatternSettings s = chosen();
    if (const auto problem = patternProblem(s)) {
        services.messageBox(*problem, MessageKind::Error, MessageButtons::Ok);
        return std::nullopt;
    }
    return s;
}

PatternPreview previewPattern(const PatternSettings& s) {
    PatternPreview p;
    p.rmg = generateTemplate(s);
    const TemplateAnalysis a = analyzeTemplate(p.rmg);
    const size_t zones = p.rmg.zones.size();
    p.figures.push_back(withArguments(
        ZW_TR("Dialogs", "Локаций: %1, у каждого игрока %2 (старт и свои)"),
        {std::to_string(zones), std::to_string(1 + std::clamp(s.own, 0, kPatternMaxOwn))}));

    // Within two connections of each start, and the nearest opponent: equal
    // for every player by construction, shown as a range should they differ.
    constexpr size_t kRadius = 2;
    int64_t least = 0;
    int64_t most = 0;
    std::optional<int> nearest;
    bool first = true;
    for (const PlayerFairness& f : a.fairness) {
        if (f.within.size() <= kRadius)
            continue;
        const int64_t t = f.within[kRadius].treasure;
        least = first ? t : std::min(least, t);
        most = first ? t : std::max(most, t);
        if (f.nearestOpponent && (!nearest || *f.nearestOpponent < *nearest))
            nearest = f.nearestOpponent;
        first = false;
    }
    if (!first)
        p.figures.push_back(
            least == most
                ? withArguments(ZW_TR("Dialogs", "Сокровища не дальше 2 переходов от старта: %1 "
                                                 "у каждого игрока"),
                                {std::to_string(least)})
                : withArguments(ZW_TR("Dialogs", "Сокровища не дальше 2 переходов от старта: от "
                                                 "%1 до %2"),
                                {std::to_string(least), std::to_string(most)}));
    if (nearest)
        p.figures.push_back(withArguments(
            ZW_TR("Dialogs", "До ближайшего соперника: %1 %2"),
            {std::to_string(*nearest),
             russianPlural(*nearest, ZW_TR("Dialogs", "переход"), ZW_TR("Dialogs", "перехода"),
                           ZW_TR("Dialogs", "переходов"))}));
    return p;
}

} // namespace zw
