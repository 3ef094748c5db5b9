// The canvas at the screen's device pixel ratio, and the main window on its
// screen. Runs with the window tests at ratio 1, and at ratio 2 from
// tests/scripts/canvas_scale.sh (QT_SCALE_FACTOR=2), where the offscreen
// screen holds half as many logical pixels each way as it has pixels.
#include "app/canvas_widget.h"
#include "app/main_window.h"
#include "dialogs/controls.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace zw {
namespace {

TEST(CanvasScaleWindow, PictureIsDrawnAtTheScreensRatioAndShownAtLogicalSize) {
    ScriptedServices services;
    ScriptedDialogs dialogs;
    MainWindow window(services, dialogs);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    CanvasWidget& canvas = *window.canvas();
    const double ratio = canvas.devicePixelRatioF();
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    if (!factor.isEmpty()) {
        EXPECT_EQ(ratio, factor.toDouble());
    }

    const QImage picture = canvas.picture();
    EXPECT_EQ(picture.devicePixelRatio(), ratio);
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(canvas.size()));
    EXPECT_EQ(picture.size(), QSize(static_cast<int>(std::ceil(canvas.width() * ratio)),
                                    static_cast<int>(std::ceil(canvas.height() * ratio))));
    // What the widget shows is the picture pixel for pixel, not scaled again.
    const QImage shown = canvas.grab().toImage().convertToFormat(picture.format());
    ASSERT_EQ(shown.size(), picture.size());
    EXPECT_TRUE(shown == picture);
}

TEST(CanvasScaleWindow, MainWindowFitsTheScreensAvailableArea) {
    ScriptedServices services;
    ScriptedDialogs dialogs;
    MainWindow window(services, dialogs);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect area = window.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window.frameGeometry()))
        << window.x() << "," << window.y() << " " << window.width() << "x" << window.height()
        << " in " << area.width() << "x" << area.height();
    EXPECT_LE(window.minimumWidth(), area.width());
    EXPECT_LE(window.minimumHeight(), area.height());
}

// Screens of 1920 x 1080 at 200 % less a task bar, and a full-HD one, in
// logical pixels, for a window not shown yet (the frame of a common title bar
// and borders assumed).
TEST(CanvasScaleWindow, PlacementKeepsTheFrameInsideTheArea) {
    struct Case {
        QRect area;
        QSize size;
    } cases[] = {
        {QRect(0, 0, 960, 516), QSize(724, 476)},
        {QRect(0, 0, 1920, 1040), QSize(724, 545)},
        {QRect(100, 50, 300, 200), QSize(284, 160)},
    };
    for (const Case& c : cases) {
        QWidget window;
        window.setMinimumSize(680, 300);
        placeInArea(window, QSize(724, 545), c.area);
        EXPECT_EQ(window.size(), c.size) << c.area.width() << "x" << c.area.height();
        // The frame, 8 pixels a side and a title bar of 32, inside the area.
        const QRect frame(window.pos(), window.size() + QSize(16, 40));
        EXPECT_TRUE(c.area.contains(frame))
            << frame.x() << "," << frame.y() << " in " << c.area.width() << "x" << c.area.height();
    }
}

} // namespace
} // namespace zw
