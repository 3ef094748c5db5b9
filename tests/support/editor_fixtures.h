// Shared pieces of the editor tests: the tools' message texts, the check of
// one shown message, and a fixture around the mouse harness.
#pragma once

#include "support/mouse_harness.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zw::test {

// Texts the tools keep in their own sources.
inline const std::string kNoZoneText =
    "Нет локации. Чтобы создать переход, щелкните на локацию, затем не отпуская кнопку "
    "перетащите на другую локацию, затем отпустите.";
inline const std::string kTooManyPassagesText = "Слишком много переходов между этими локациями";
inline const std::string kPassageExistsText = "Этот переход уже существует";
inline const std::string kAskDeleteZoneText =
    "Вы действительно хотите удалить локацию и все соединенные с ней переходы?";
inline const std::string kAskDeleteConnectionText = "Вы действительно хотите удалить переход?";
inline const std::string kSaveChangesText = "Сохранить изменения?";

// Exactly one message was shown: this text, kind and buttons.
inline void expectOneMessage(const ScriptedServices& s, std::string_view text,
                             MessageKind kind = MessageKind::Information,
                             MessageButtons buttons = MessageButtons::Ok) {
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].text, text);
    EXPECT_EQ(s.messages[0].kind, kind);
    EXPECT_EQ(s.messages[0].buttons, buttons);
}

// A dialog's answer: the record it was filled with, changed by `edit`, confirmed.
template <class Edit> auto confirmedWith(Edit edit) {
    return [edit](const auto& from, auto&&...) {
        auto record = from;
        edit(record);
        return std::optional(record);
    };
}

using ZonePairs = std::vector<std::pair<int, int>>;

// The zone pairs of the connections, in order.
inline ZonePairs pairsOf(const TRmg& t) {
    ZonePairs p;
    for (const auto& c : t.connections)
        p.emplace_back(c.zoneA, c.zoneB);
    return p;
}

// A test that drives one editor through the mouse harness.
class HarnessTest : public ::testing::Test {
  protected:
    MouseHarness h;
    const TRmg& rmg() const { return h.editor.document().rmg(); }
    int steps() const { return h.editor.document().history().position(); }
    // The template is `before` and no step was recorded.
    void expectUntouched(const TRmg& before) const {
        EXPECT_EQ(rmg(), before);
        EXPECT_EQ(steps(), 0);
    }
};

} // namespace zw::test
