// The canvas at the screen's device pixel ratio. Runs with the window tests at
// ratio 1, and at ratio 2 from tests/scripts/canvas_scale.sh (QT_SCALE_FACTOR=2).
#include "app/canvas_widget.h"
#include "app/main_window.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"

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

} // namespace
} // namespace zw
