#include "platform/qt_text_window.h"
#include "dialogs/window_helpers.h"
#include "model/text.h"
#include "platform/qt_services.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace zw {
namespace {

using namespace zw::test;

QList<HelpTextWindow*> helpWindows() {
    QList<HelpTextWindow*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<HelpTextWindow*>(w))
            found << h;
    return found;
}

TEST(HelpTextWindow, ShowsTheDecodedTextReadOnlyInOneReusedWindow) {
    {
        QtServices services;
        services.showTextWindow("Readme&help",
                                cp1251ToUtf8(utf8ToCp1251("Справка\r\nвторая строка\rтретья")));
        ASSERT_EQ(helpWindows().size(), 1);
        HelpTextWindow* w = helpWindows().front();
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(w->isModal());
        EXPECT_EQ(str(w->windowTitle()), "Readme&help");
        EXPECT_TRUE(w->textView()->isReadOnly());
        EXPECT_EQ(str(w->textView()->toPlainText()), "Справка\nвторая строка\nтретья");
        EXPECT_LE(w->width(), 1000);
        EXPECT_LE(w->height(), 700);

        click(w->closeButton());
        EXPECT_FALSE(w->isVisible());
        services.showTextWindow("Readme&help", "again");
        EXPECT_EQ(helpWindows(), QList<HelpTextWindow*>{w});
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(str(w->textView()->toPlainText()), "again");
    }
    EXPECT_TRUE(helpWindows().isEmpty()); // gone with the services that made it
}

} // namespace
} // namespace zw
