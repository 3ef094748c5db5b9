#include "check/check.h"
#include "editor/commands/check_command.h"
#include "support/document_edits.h"

#include "editor/editor.h"
#include "support/model_samples.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::ownedZone;
using test::startZone;

const std::string kHead = "Обнаружена логическая ошибка.\rУ игрока ";

TRmg withPlayers(int players, std::initializer_list<ZoneRecord> zones) {
    TRmg t = makeNewTemplate();
    t.header.playerCountIndex = players - 2;
    for (const ZoneRecord& z : zones)
        t.appendZone(z);
    return t;
}

std::string problem(const TRmg& t) {
    return checkTemplate(t).value_or("passes");
}

TEST(Check, NoZonesFailsForPlayerOne) {
    EXPECT_EQ(problem(makeNewTemplate()), kHead + "1 нет стартовой локации");
}

TEST(Check, MissingStartZoneIsReportedForTheLowestPlayer) {
    // Three players, no start zone for player 2: two lines in the box.
    EXPECT_EQ(problem(withPlayers(3, {startZone(1), startZone(3)})),
              "Обнаружена логическая ошибка.\rУ игрока 2 нет стартовой локации");
    EXPECT_EQ(problem(withPlayers(3, {startZone(3), startZone(2)})),
              kHead + "1 нет стартовой локации");
}

TEST(Check, SecondStartZoneIsReportedWhereItIsFound) {
    // Positions 3 and 7 (1-based); a later owner violation is never reached.
    TRmg t = withPlayers(8, {});
    for (int i = 1; i <= 9; ++i)
        t.appendZone(ownedZone(1, 0));
    t.zones[2] = startZone(1);
    t.zones[6] = startZone(1);
    t.zones[8] = ownedZone(2, 9);
    EXPECT_EQ(problem(t), kHead + "1 больше одной стартовой локации");
}

TEST(Check, EarlierOwnerViolationWinsOverLaterDuplicate) {
    const TRmg t = withPlayers(2, {startZone(1), ownedZone(2, 4), startZone(1)});
    EXPECT_EQ(problem(t), kHead + "4 есть замки, но этого игрока на карте нет");
}

TEST(Check, AnyOwnedZoneBeyondThePlayerCountFails) {
    for (int kind : {1, 2}) {
        const TRmg t = withPlayers(
            4, {startZone(1), startZone(2), startZone(3), startZone(4), ownedZone(kind, 5)});
        EXPECT_EQ(problem(t), kHead + "5 есть замки, но этого игрока на карте нет") << kind;
    }
    // A start zone beyond the count sets its flag first, then fails the owner rule.
    EXPECT_EQ(problem(withPlayers(2, {startZone(1), startZone(2), startZone(3)})),
              kHead + "3 есть замки, но этого игрока на карте нет");
}

TEST(Check, ValidTemplatesPass) {
    // Owner P itself passes; treasure zones and junctions may be owned or not.
    EXPECT_FALSE(checkTemplate(withPlayers(4, {ownedZone(1, 4), startZone(2), ownedZone(2, 0),
                                               startZone(4), startZone(1), startZone(3)})));
    TRmg eight = withPlayers(8, {});
    for (int p = 8; p >= 1; --p)
        eight.appendZone(startZone(p, 3 * p));
    EXPECT_FALSE(checkTemplate(eight));
}

TEST(Check, FewerPlayersReportTheFirstDroppedOwnerInListOrder) {
    TRmg t = withPlayers(8, {});
    for (int p = 1; p <= 8; ++p)
        t.appendZone(startZone(p));
    std::swap(t.zones[4], t.zones[6]); // list order: 1 2 3 4 7 6 5 8
    t.header.playerCountIndex = 3;     // five players
    EXPECT_EQ(problem(t), kHead + "7 есть замки, но этого игрока на карте нет");
}

TEST(Check, StartZoneWithoutOwnerIsReportedByItsNumber) {
    const std::string ownerless = "Обнаружена логическая ошибка.\rСтартовая локация 2 не "
                                  "принадлежит ни одному игроку";
    EXPECT_EQ(problem(withPlayers(2, {startZone(1), startZone(0), startZone(2)})), ownerless);
    EXPECT_EQ(problem(withPlayers(2, {startZone(1), startZone(-7)})), ownerless);
    // It is found in list order with the other zone rules...
    EXPECT_EQ(problem(withPlayers(2, {startZone(1), startZone(0), startZone(1)})), ownerless);
    EXPECT_EQ(problem(withPlayers(2, {ownedZone(1, 3), startZone(0)})),
              kHead + "3 есть замки, но этого игрока на карте нет");
    // ...and before the player pass.
    EXPECT_EQ(problem(withPlayers(2, {startZone(0)})),
              "Обнаружена логическая ошибка.\rСтартовая локация 1 не принадлежит ни одному игроку");
    // An owner above 8 is still the owner rule's, and never touches the flag table.
    EXPECT_EQ(problem(withPlayers(8, {startZone(9)})),
              kHead + "9 есть замки, но этого игрока на карте нет");
    EXPECT_EQ(problem(withPlayers(8, {startZone(INT32_MAX)})),
              kHead + "2147483647 есть замки, но этого игрока на карте нет");
}

TEST(Check, DamagedPlayerCountsNeverReadOutsideTheFlags) {
    TRmg t = withPlayers(2, {startZone(1), startZone(2)});
    t.header.playerCountIndex = INT32_MAX; // from a damaged file
    EXPECT_EQ(problem(t), kHead + "3 нет стартовой локации");
    for (int p = 3; p <= 8; ++p)
        t.appendZone(startZone(p));
    EXPECT_FALSE(checkTemplate(t));
    t.header.playerCountIndex = INT32_MIN;
    EXPECT_EQ(problem(t), kHead + "1 есть замки, но этого игрока на карте нет");
}

// The check as the toolbar runs it, on an editor with one step taken.
struct CheckCommand : ::testing::Test {
    void set(TRmg t) {
        test::install(editor, {});
        test::change(editor, [&](TRmg& target) { target = std::move(t); });
    }
    ScriptedServices services;
    ScriptedDialogs dialogs;
    Editor editor{services, dialogs};
};

TEST_F(CheckCommand, RunsTwiceTheSameAndChangesNothing) {
    set(withPlayers(3, {startZone(1), startZone(1)}));
    const TRmg before = editor.document().rmg();

    checkCommand(editor);
    checkCommand(editor);
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0].text, kHead + "1 больше одной стартовой локации");
    EXPECT_EQ(services.messages[1].text, services.messages[0].text);
    EXPECT_EQ(editor.document().rmg(), before);
    EXPECT_EQ(editor.document().history().position(), 1);
}

TEST_F(CheckCommand, ShowsOneBox) {
    set(withPlayers(2, {startZone(2), startZone(1)}));

    checkCommand(editor);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Ошибок не обнаружено");
    EXPECT_EQ(services.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(editor.document().history().position(), 1);

    set([&] {
        TRmg t = editor.document().rmg();
        t.zones.pop_back();
        return t;
    }());
    EXPECT_FALSE(checkAndReport(editor));
    checkCommand(editor);
    ASSERT_EQ(services.messages.size(), 3u);
    EXPECT_EQ(services.messages[1].text, kHead + "1 нет стартовой локации");
    EXPECT_EQ(services.messages[2].text, services.messages[1].text);
    EXPECT_EQ(services.messages[2].kind, MessageKind::Information);
    EXPECT_EQ(services.messages[2].buttons, MessageButtons::Ok);
    EXPECT_EQ(editor.document().history().position(), 1);
}

// A template that keeps cells of an extended table: the extended table's own
// options may settle what the check finds, so the finding is a warning and
// the compile may go on; a classic template stops as before.
TEST_F(CheckCommand, AKeptTemplatesFindingIsAWarningTheCompileMayPass) {
    struct Case {
        const char* what;
        bool kept;
        bool fault;
        MessageResult answer;
        bool proceeds;
        MessageKind kind;
        MessageButtons buttons;
    };
    const std::vector<Case> cases = {
        {"classic, fault", false, true, MessageResult::Yes, false, MessageKind::Information,
         MessageButtons::Ok},
        {"kept, fault, yes", true, true, MessageResult::Yes, true, MessageKind::Warning,
         MessageButtons::YesNo},
        {"kept, fault, no", true, true, MessageResult::No, false, MessageKind::Warning,
         MessageButtons::YesNo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TRmg t = withPlayers(2, {startZone(1)});
        if (c.kept)
            t.zones[0].kept.cells.push_back({"Placement", "ground", std::nullopt, false});
        set(t);
        services.messages.clear();
        services.messageAnswers = {c.answer};
        EXPECT_EQ(checkBeforeCompile(editor), c.proceeds);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].kind, c.kind);
        EXPECT_EQ(services.messages[0].buttons, c.buttons);
        EXPECT_EQ(services.messages[0].text.rfind(kHead + "2 нет стартовой локации", 0), 0u);
        // The check button shows the same finding, a warning for a kept template.
        services.messages.clear();
        EXPECT_FALSE(checkAndReport(editor));
        EXPECT_EQ(services.messages.at(0).kind,
                  c.kept ? MessageKind::Warning : MessageKind::Information);
    }
}

} // namespace
} // namespace zw
