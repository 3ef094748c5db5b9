#include "canvas/fit.h"
#include "canvas/render.h"
#include "dialogs/pattern_dialog.h"
#include "dialogs/qt_dialogs.h"
#include "dialogs/window_helpers.h"
#include "pattern/generate.h"
#include "support/scripted_services.h"

#include <QApplication>
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

// Also run at a scale factor of 2 by tests/scripts/canvas_scale.sh.
TEST(PatternScaleWindow, PreviewShowsTheWholeTemplateWithTheFiguresBesideIt) {
    ScriptedServices services;
    PatternDialog d(services);
    showActive(d);
    const auto& c = d.controls();
    for (const QSize size : {QSize(640, 420), QSize(360, 260)}) {
        d.resize(size);
        for (const int position : {0, 1, 2})
            for (const int players : {5, 7, 8}) {
                SCOPED_TRACE(std::to_string(position) + " " + std::to_string(players));
                choose(c.pattern, position);
                c.players->setValue(players);
                QApplication::processEvents();
                const QImage picture = c.preview->picture();
                EXPECT_EQ(picture.devicePixelRatio(), c.preview->devicePixelRatioF());
                EXPECT_EQ(picture.deviceIndependentSize().toSize(), c.preview->size());
                // Drawn as fitWhole lays it out (which shows every zone).
                const WholePicture whole =
                    fitWhole(c.preview->shown(), c.preview->width(), c.preview->height());
                EXPECT_EQ(whole.view, fitView(c.preview->shown(), whole.width, whole.height));
                // Every zone where fitWhole puts it: around the middle of its
                // circle is no bare canvas (a start's star leaves the grid seen).
                const double toDevice = picture.devicePixelRatio() / whole.shrink;
                const auto bare = [](QColor c) {
                    return c == QColor(kSilver.r, kSilver.g, kSilver.b) ||
                           c == QColor(kGridGrey.r, kGridGrey.g, kGridGrey.b);
                };
                for (const ZoneRecord& z : c.preview->shown().zones) {
                    if (isStartZone(z))
                        continue;
                    const PixelPoint at = nodeToPixel(whole.view, z.gridX, z.gridY);
                    const int x = static_cast<int>(at.x * toDevice);
                    const int y = static_cast<int>(at.y * toDevice);
                    int drawn = 0;
                    for (int dx = -1; dx <= 1; ++dx)
                        for (int dy = -1; dy <= 1; ++dy)
                            drawn += !bare(picture.pixelColor(x + dx, y + dy));
                    EXPECT_GT(drawn, 0) << "zone " << (&z - c.preview->shown().zones.data()) + 1;
                }
                // The figures beside the picture, not over it.
                const QRect figures(c.figures->mapTo(&d, QPoint(0, 0)), c.figures->size());
                const QRect preview(c.preview->mapTo(&d, QPoint(0, 0)), c.preview->size());
                EXPECT_FALSE(figures.intersects(preview));
                EXPECT_GE(figures.left(), preview.right());
            }
    }
}

} // namespace
} // namespace zw
