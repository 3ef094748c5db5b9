// The document as the one writer of the template: what it announces, the
// saved state against the history's position, and the names of the steps.
#include "editor/document.h"
#include "editor/step_names.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace zw {
namespace {

struct DocumentTest : ::testing::Test {
    Document doc;
    std::vector<DocumentChange> seen;
    void SetUp() override {
        doc.setListener([this](const DocumentChange& c) { seen.push_back(c); });
    }
    TRmg withZones(size_t n) const {
        TRmg t = doc.rmg();
        t.zones.resize(n, makeDefaultZone());
        return t;
    }
};

TEST_F(DocumentTest, AnnouncesEachChangeOnceAndNothingThatChangedNothing) {
    doc.commit("Создание локации 1", withZones(1));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].content && seen[0].history);
    EXPECT_FALSE(seen[0].name || seen[0].replaced || seen[0].zonesRemoved);

    doc.markSaved();
    doc.markSaved(); // already saved: nothing to say
    doc.storeDerived(doc.rmg());
    EXPECT_FALSE(doc.stepForward());
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[1].history && !seen[1].content);

    // A confirmed dialog that changed nothing is still a step, but no content.
    doc.commit("Настройка шаблона", doc.rmg());
    EXPECT_TRUE(seen.back().history && !seen.back().content);

    doc.commit("Удаление локации 1", withZones(0));
    EXPECT_TRUE(seen.back().zonesRemoved);

    TRmg other = makeNewTemplate();
    other.name = "Other";
    doc.replace(other, Replacement::Fresh);
    EXPECT_TRUE(seen.back().replaced && seen.back().name && seen.back().history);
    EXPECT_EQ(doc.history().length(), 0u);
    EXPECT_FALSE(doc.modified());
    EXPECT_FALSE(doc.stepBack()); // a fresh template has nothing to step back to
}

TEST_F(DocumentTest, ModifiedExactlyWhenThePositionIsNotTheSavedOne) {
    doc.commit("a", withZones(1));
    doc.commit("b", withZones(2));
    doc.markSaved();
    EXPECT_FALSE(doc.modified());
    doc.stepBack();
    EXPECT_TRUE(doc.modified());
    doc.stepForward();
    EXPECT_FALSE(doc.modified());
    // A change after stepping back past the save cuts the saved state off.
    doc.stepBack();
    doc.commit("c", withZones(3));
    EXPECT_TRUE(doc.modified());
    doc.stepBack();
    EXPECT_TRUE(doc.modified());
    doc.stepBack();
    EXPECT_TRUE(doc.modified());
    // A recovered template is one step: modified, and one step back returns.
    doc.replace(withZones(5), Replacement::AsStep, kRecoveredStep);
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(doc.stepBackName(), kRecoveredStep);
}

TEST_F(DocumentTest, StepButtonsNameTheStepTheyTakeBackOrRedo) {
    EXPECT_EQ(doc.stepBackName(), "");
    doc.commit("Создание локации 1", withZones(1));
    doc.commit("Перемещение 3 локаций", withZones(1));
    EXPECT_EQ(doc.stepBackName(), "Перемещение 3 локаций");
    EXPECT_EQ(doc.stepForwardName(), "");
    doc.stepBack();
    EXPECT_EQ(doc.stepBackName(), "Создание локации 1");
    EXPECT_EQ(doc.stepForwardName(), "Перемещение 3 локаций");
    doc.stepBack();
    EXPECT_EQ(doc.stepBackName(), "");
    EXPECT_EQ(doc.stepForwardName(), "Создание локации 1");
}

// The revision moves with every change of what the template holds and with
// nothing else: equal revisions of one document mean an equal template.
TEST_F(DocumentTest, RevisionCountsTheChangesOfTheTemplate) {
    TRmg renamed = doc.rmg();
    renamed.name = "Other";
    const struct {
        const char* action;
        std::function<void()> act;
        bool changes;
    } cases[] = {
        {"a step that adds a zone", [&] { doc.commit("a", withZones(1)); }, true},
        {"a step that changes nothing", [&] { doc.commit("b", doc.rmg()); }, false},
        {"the derived part, unchanged", [&] { doc.storeDerived(doc.rmg()); }, false},
        {"a step back to the same template", [&] { doc.stepBack(); }, false},
        {"a step back to another", [&] { doc.stepBack(); }, true},
        {"a step forward", [&] { doc.stepForward(); }, true},
        {"the derived part, changed", [&] { doc.storeDerived(withZones(2)); }, true},
        {"saving", [&] { doc.markSaved(); }, false},
        {"a rename", [&] { doc.commit("c", renamed); }, true},
        {"an equal template loaded", [&] { doc.replace(doc.rmg(), Replacement::Fresh); }, false},
        {"another template loaded", [&] { doc.replace(makeNewTemplate(), Replacement::Fresh); },
         true},
    };
    for (const auto& c : cases) {
        const uint64_t before = doc.revision();
        c.act();
        EXPECT_EQ(doc.revision() != before, c.changes) << c.action;
    }
}

TEST(StepNames, CountsTakeTheCaseTheNumberAsks) {
    const std::pair<size_t, const char*> cases[] = {{1, "1 локации"},   {2, "2 локаций"},
                                                    {5, "5 локаций"},   {11, "11 локаций"},
                                                    {21, "21 локации"}, {111, "111 локаций"}};
    for (const auto& [n, text] : cases)
        EXPECT_EQ(zonesCount(n), text) << n;
    EXPECT_EQ(connectionsCount(1), "1 перехода");
    EXPECT_EQ(connectionsCount(3), "3 переходов");
    EXPECT_EQ(connectionStep("Удаление", 2, 4), "Удаление перехода 3–5");
}

} // namespace
} // namespace zw
