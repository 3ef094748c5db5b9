#include "dialogs/pattern_dialog.h"
#include "dialogs/qt_dialogs.h"
#include "dialogs/window_helpers.h"
#include "pattern/generate.h"
#include "support/scripted_services.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace zw {
namespace {

using namespace zw::test;

TEST(PatternWindow, ControlsDriveThePreviewAndOkHandsBackTheSettings) {
    ScriptedServices services;
    QtDialogs dialogs(services);
    PatternDialog& d = *dialogs.patternDialog();
    const auto r = runModal<std::optional<PatternSettings>>(
        d,
        [&] {
            const auto& c = d.controls();
            EXPECT_EQ(str(d.windowTitle()), "Шаблон по образцу");
            EXPECT_EQ(d.controls().preview->shown().zones.size(), 13u);
            choose(c.pattern, 2); // star: no zones between neighbours
            EXPECT_FALSE(c.between->isEnabled());
            c.players->setValue(6);
            c.own->setValue(2);
            EXPECT_EQ(c.preview->shown(), generateTemplate(d.form().chosen()));
            EXPECT_EQ(c.preview->shown().zones.size(), 19u);
            EXPECT_EQ(str(c.name->placeholderText()), "Звезда на 6 игроков");
            EXPECT_TRUE(c.figures->text().startsWith("Локаций: 19"));
            typeInto(c.name, QStringLiteral("Шесть"));
            click(c.ok);
        },
        [&] { return dialogs.generateFromPattern(); });
    ASSERT_TRUE(r);
    PatternSettings expected = patternDefaults(PatternKind::Star, 6);
    expected.own = 2;
    expected.name = "Шесть";
    EXPECT_EQ(*r, expected);

    // The next opening shows the last choice; Cancel hands back nothing.
    const auto cancelled = runModal<std::optional<PatternSettings>>(
        d,
        [&] {
            EXPECT_EQ(d.controls().players->value(), 6);
            click(d.controls().cancel);
        },
        [&] { return dialogs.generateFromPattern(); });
    EXPECT_FALSE(cancelled);
}

} // namespace
} // namespace zw
