#include "check/check.h"
#include "editor/commands/check_command.h"
#include "editor/editor.h"
#include "support/document_edits.h"
#include "support/model_samples.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::ownedZone;
using test::startZone;

const std::string kHead = "Обнаружена логическая ошибка.\rУ игрока ";

std::string noStart(int64_t p) {
    return kHead + std::to_string(p) + " нет стартовой локации";
}
std::string twoStarts(int64_t p) {
    return kHead + std::to_string(p) + " больше одной стартовой локации";
}
std::string absent(int64_t p) {
    return kHead + std::to_string(p) + " есть замки, но этого игрока на карте нет";
}
std::string ownerless(int n) {
    return "Обнаружена логическая ошибка.\rСтартовая локация " + std::to_string(n) +
           " не принадлежит ни одному игроку";
}

TRmg withIndex(int32_t playerCountIndex, std::initializer_list<ZoneRecord> zones) {
    TRmg t = makeNewTemplate();
    t.header.playerCountIndex = playerCountIndex;
    for (const ZoneRecord& z : zones)
        t.appendZone(z);
    return t;
}

TRmg withPlayers(int players, std::initializer_list<ZoneRecord> zones) {
    return withIndex(players - 2, zones);
}

TEST(Check, ReportsTheFirstViolation) {
    const ZoneRecord s1 = startZone(1), s2 = startZone(2), s3 = startZone(3), s4 = startZone(4);
    const ZoneRecord tz = ownedZone(1, 0); // a treasure zone of no owner
    const ZoneRecord s5 = startZone(5), s6 = startZone(6), s7 = startZone(7), s8 = startZone(8);
    const std::string passes = "passes";
    const struct {
        const char* what;
        TRmg t;
        std::string message;
    } cases[] = {
        {"no zones fails for player 1", makeNewTemplate(), noStart(1)},
        // Three players, no start zone for player 2: two lines in the box.
        {"lowest player without a start", withPlayers(3, {s1, s3}),
         "Обнаружена логическая ошибка.\rУ игрока 2 нет стартовой локации"},
        {"player 1 without a start", withPlayers(3, {s3, s2}), noStart(1)},
        // Positions 3 and 7; a later owner violation is never reached.
        {"second start reported where found",
         withPlayers(8, {tz, tz, s1, tz, tz, tz, s1, tz, ownedZone(2, 9)}), twoStarts(1)},
        {"earlier owner violation wins", withPlayers(2, {s1, ownedZone(2, 4), s1}), absent(4)},
        {"treasure zone owned beyond the count", withPlayers(4, {s1, s2, s3, s4, ownedZone(1, 5)}),
         absent(5)},
        {"junction owned beyond the count", withPlayers(4, {s1, s2, s3, s4, ownedZone(2, 5)}),
         absent(5)},
        // It sets its flag first, then fails the owner rule.
        {"start zone beyond the count", withPlayers(2, {s1, s2, s3}), absent(3)},
        // Owner P itself passes; treasure zones and junctions may be owned or not.
        {"valid, four players", withPlayers(4, {ownedZone(1, 4), s2, ownedZone(2, 0), s4, s1, s3}),
         passes},
        {"valid, eight players",
         withPlayers(8, {startZone(8, 24), startZone(7, 21), startZone(6, 18), startZone(5, 15),
                         startZone(4, 12), startZone(3, 9), startZone(2, 6), startZone(1, 3)}),
         passes},
        {"fewer players: first dropped owner in list order",
         withPlayers(5, {s1, s2, s3, s4, s7, s6, s5, s8}), absent(7)},
        {"start zone without owner", withPlayers(2, {s1, startZone(0), s2}), ownerless(2)},
        {"start zone with a negative owner", withPlayers(2, {s1, startZone(-7)}), ownerless(2)},
        // Found in list order with the other zone rules, and before the player pass.
        {"ownerless before a second start", withPlayers(2, {s1, startZone(0), s1}), ownerless(2)},
        {"owner rule before ownerless", withPlayers(2, {ownedZone(1, 3), startZone(0)}), absent(3)},
        {"ownerless before the player pass", withPlayers(2, {startZone(0)}), ownerless(1)},
        // An owner above 8 is still the owner rule's, and never touches the flag table.
        {"owner 9", withPlayers(8, {startZone(9)}), absent(9)},
        {"owner INT32_MAX", withPlayers(8, {startZone(INT32_MAX)}), absent(INT32_MAX)},
        // Player counts from a damaged file never read outside the flags.
        {"count index INT32_MAX", withIndex(INT32_MAX, {s1, s2}), noStart(3)},
        {"count index INT32_MAX, all starts",
         withIndex(INT32_MAX, {s1, s2, s3, s4, s5, s6, s7, s8}), passes},
        {"count index INT32_MIN", withIndex(INT32_MIN, {s1, s2, s3, s4, s5, s6, s7, s8}),
         absent(1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkTemplate(c.t).value_or(passes), c.message) << c.what;
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
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>(2, twoStarts(1)));
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

    set(withPlayers(2, {startZone(2)}));
    EXPECT_FALSE(checkAndReport(editor));
    checkCommand(editor);
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"Ошибок не обнаружено", noStart(1), noStart(1)}));
    EXPECT_EQ(services.messages[2].kind, MessageKind::Information);
    EXPECT_EQ(services.messages[2].buttons, MessageButtons::Ok);
    EXPECT_EQ(editor.document().history().position(), 1);
}

// A template that keeps cells of an extended table: the extended table's own
// options may settle what the check finds, so the finding is a warning and
// the compile may go on; a classic template stops as before.
TEST_F(CheckCommand, AKeptTemplatesFindingIsAWarningTheCompileMayPass) {
    const struct {
        const char* what;
        bool kept;
        MessageResult answer;
        bool proceeds;
        MessageKind kind;
        MessageButtons buttons;
    } cases[] = {
        {"classic", false, MessageResult::Yes, false, MessageKind::Information, MessageButtons::Ok},
        {"kept, yes", true, MessageResult::Yes, true, MessageKind::Warning, MessageButtons::YesNo},
        {"kept, no", true, MessageResult::No, false, MessageKind::Warning, MessageButtons::YesNo},
    };
    for (const auto& c : cases) {
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
        EXPECT_EQ(services.messages[0].text.rfind(noStart(2), 0), 0u);
        // The check button shows the same finding, a warning for a kept template.
        services.messages.clear();
        EXPECT_FALSE(checkAndReport(editor));
        EXPECT_EQ(services.messages.at(0).kind, c.kind);
    }
}

} // namespace
} // namespace zw
