#include "dialogs/pattern_logic.h"
#include "pattern/generate.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(PatternForm, EachPatternOffersTheFieldsItUses) {
    struct Case {
        int position;
        PatternKind pattern;
        FieldRange between, centre;
        int betweenAfter, centreAfter; // from a ring with centre of 2 between, 0 centre
    };
    const Case cases[] = {
        {0, PatternKind::RingCentre, {0, 3}, {0, 4}, 2, 0},
        {1, PatternKind::Ring, {0, 3}, {0, 0}, 2, 0},
        {2, PatternKind::Star, {0, 0}, {1, 4}, 0, 1},
    };
    for (const Case& c : cases) {
        PatternForm f;
        f.settings.between = 2;
        f.settings.centre = 0;
        f.choosePattern(c.position);
        EXPECT_EQ(f.settings.pattern, c.pattern);
        EXPECT_EQ(f.patternPosition(), c.position);
        EXPECT_EQ(f.betweenRange(), c.between) << c.position;
        EXPECT_EQ(f.centreRange(), c.centre) << c.position;
        EXPECT_EQ(f.settings.between, c.betweenAfter) << c.position;
        EXPECT_EQ(f.settings.centre, c.centreAfter) << c.position;
        EXPECT_EQ(patternProblem(f.chosen()), std::nullopt) << c.position;
    }
    // Back from a star, the way between neighbours and the middle come back as usual.
    PatternForm f;
    f.choosePattern(2);
    f.choosePattern(1);
    EXPECT_EQ(f.settings.between, 1);
    EXPECT_EQ(f.settings.centre, 0);
    f.choosePattern(0);
    EXPECT_EQ(f.settings.centre, 1);
}

TEST(PatternForm, NameIsCheckedOnOk) {
    ScriptedServices services;
    PatternForm f;
    EXPECT_EQ(f.defaultName(), "Кольцо с центром на 4 игрока");
    EXPECT_EQ(f.accept(services)->name, std::nullopt);
    f.name = "a\tb";
    EXPECT_EQ(f.accept(services), std::nullopt);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
    f.name = "Острова";
    EXPECT_EQ(f.accept(services)->name, "Острова");
}

TEST(PatternPreview, FiguresOfTheAnalysis) {
    PatternSettings s = patternDefaults(PatternKind::RingCentre, 4);
    const PatternPreview p = previewPattern(s);
    EXPECT_EQ(p.rmg, generateTemplate(s));
    // Start, own zone, the zone on each side and the middle lie within two
    // connections of each start, as do the next starts.
    int64_t within2 = 0;
    for (size_t k : {0, 1, 2, 3, 6, 9, 11, 12})
        for (const TreasureGroup& g : p.rmg.zones[k].treasure)
            within2 += (int64_t{g.low} + g.high) * g.density;
    EXPECT_EQ(p.figures,
              (std::vector<std::string>{"Локаций: 13, у каждого игрока 2 (старт и свои)",
                                        "Сокровища не дальше 2 переходов от старта: " +
                                            std::to_string(within2) + " у каждого игрока",
                                        "До ближайшего соперника: 2 перехода"}));
}

} // namespace
} // namespace zw
