// Kept cells edited through the dialogs are changes like every other: the
// dialog's one named step, undone by a step back.
#include "editor/commands/template_settings.h"
#include "editor/editor.h"
#include "model/text.h"
#include "support/kept_samples.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(KeptCellsSteps, TemplateSettingsTakeTheTablesCellsAsTheirOneStep) {
    struct Case {
        const char* what;
        std::optional<std::vector<KeptCell>> answer;
    };
    const TRmg t = test::keptTemplate();
    std::vector<KeptCell> edited = t.kept.cells;
    edited[0].text = utf8ToCp1251("Новое");
    const Case cases[] = {{"edited", edited}, {"left alone", std::nullopt}};
    for (const Case& c : cases) {
        ScriptedServices services;
        ScriptedDialogs dialogs;
        Editor editor(services, dialogs);
        editor.document().replace(t, Replacement::Fresh);
        dialogs.templateAnswers.push_back([&](const TRmg& from) {
            TemplateSettings s{from.name,           from.header.minSize,
                               from.header.maxSize, from.header.playerCountIndex,
                               from.kinds,          c.answer};
            return std::optional<TemplateSettings>(s);
        });
        editTemplateSettings(editor);
        EXPECT_EQ(editor.document().rmg().kept.cells, c.answer ? *c.answer : t.kept.cells)
            << c.what;
        EXPECT_EQ(editor.document().history().position(), 1) << c.what;
        EXPECT_EQ(editor.document().stepBackName(), "Настройка шаблона") << c.what;
        editor.document().stepBack();
        EXPECT_EQ(editor.document().rmg(), t) << c.what;
    }
}

} // namespace
} // namespace zw
