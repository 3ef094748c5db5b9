// Every dialog must fit on a small desktop (1024 x 768 less a title bar and a
// panel) at the platform's default font, or its buttons end up off screen; on
// a smaller screen its content scrolls and the buttons stay in view.
#include "dialogs/connection_dialog.h"
#include "dialogs/controls.h"
#include "dialogs/duplicate_dialog.h"
#include "dialogs/qt_dialogs.h"
#include "dialogs/template_dialog.h"
#include "dialogs/template_list_dialog.h"
#include "dialogs/zone_dialog.h"
#include "support/model_samples.h"
#include "support/scripted_services.h"

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace zw {
namespace {

// The dialog's buttons "ОК" and "Отмена".
std::vector<const QPushButton*> okAndCancel(const QDialog& d) {
    std::vector<const QPushButton*> buttons;
    for (const QPushButton* b : d.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("ОК") || b->text() == QStringLiteral("Отмена"))
            buttons.push_back(b);
    return buttons;
}

TEST(DialogSize, EveryDialogFitsASmallScreen) {
    ScriptedServices services;
    QtDialogs dialogs(services);
    for (QDialog* d :
         std::vector<QDialog*>{dialogs.zoneDialog(), dialogs.connectionDialog(),
                               dialogs.templateDialog(), dialogs.templateListDialog()}) {
        d->ensurePolished();
        const QSize hint = d->sizeHint();
        EXPECT_LE(hint.width(), 1000) << d->windowTitle().toStdString();
        EXPECT_LE(hint.height(), 700) << d->windowTitle().toStdString();
    }
}

// Screens of 1600 x 1000 at a scale factor of 2, of 1366 x 768 at 125 % less
// a task bar, and a full-HD one, in logical pixels.
TEST(DialogSize, WindowFitsTheAreaWithItsButtonsInView) {
    ScriptedServices services;
    QtDialogs dialogs(services);
    const QRect areas[] = {QRect(0, 0, 800, 500), QRect(0, 0, 1093, 574), QRect(0, 0, 1920, 1040)};
    for (QDialog* d : std::vector<QDialog*>{dialogs.zoneDialog(), dialogs.connectionDialog(),
                                            dialogs.templateDialog(), dialogs.duplicateDialog()}) {
        for (const QRect& area : areas) {
            SCOPED_TRACE(d->windowTitle().toStdString() + " in " + std::to_string(area.width()) +
                         "x" + std::to_string(area.height()));
            d->ensurePolished();
            fitIntoArea(*d, area);
            d->show();
            QApplication::processEvents();
            EXPECT_TRUE(area.contains(d->geometry()))
                << d->x() << "," << d->y() << " " << d->width() << "x" << d->height();
            // The content scrolls only where it has to: the zone dialog on the
            // smallest screen, nothing on the largest.
            const bool scrolls = d->findChild<QScrollArea*>() != nullptr;
            if (area.width() > 1800 || (area.width() < 1000 && d == dialogs.zoneDialog())) {
                EXPECT_EQ(scrolls, area.width() < 1000);
            }
            for (const QPushButton* b : okAndCancel(*d))
                EXPECT_TRUE(d->rect().contains(QRect(b->mapTo(d, QPoint(0, 0)), b->size())))
                    << b->text().toStdString();
            d->hide();
        }
    }
}

// Each dialog as the editor opens it, over a window, on the screen it opens
// on: the whole window, frame included, inside the screen's available area,
// and OK and Отмена in view. Under Wine this runs with the system's own
// windows at 120 and 144 DPI on a small screen (windows/dialog_dpi_test.sh).
TEST(DialogSize, EveryDialogOpensInsideItsScreen) {
    ScriptedServices services;
    QWidget owner;
    owner.resize(400, 300);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    QtDialogs dialogs(services, &owner);
    const TRmg t = test::richTemplate();
    ASSERT_GE(t.zones.size(), 2u);
    ASSERT_FALSE(t.connections.empty());
    const std::pair<const char*, std::function<void()>> openings[] = {
        {"zone", [&] { dialogs.editZone(t.zones[0]); }},
        {"zones",
         [&] {
             dialogs.editZones({t.zones[0], t.zones[1]}, {1, 2});
         }},
        {"connection", [&] { dialogs.editConnection(t.connections[0], false); }},
        {"template", [&] { dialogs.editTemplate(t); }},
        {"duplicate", [&] { dialogs.duplicateZonesForPlayers(t, {0}); }},
        {"pattern", [&] { dialogs.generateFromPattern(); }},
    };
    for (const auto& [name, open] : openings) {
        SCOPED_TRACE(name);
        QRect frame, area;
        std::vector<QRect> buttons;
        bool seen = false;
        // Looks once the dialog is on screen, waiting up to 10 s for it and
        // for the window system to put it in place.
        std::function<void(int)> look = [&](int tries) {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (d == nullptr || !d->isVisible() || !d->windowHandle() ||
                !d->windowHandle()->isExposed()) {
                if (tries > 0)
                    QTimer::singleShot(50, [&, tries] { look(tries - 1); });
                else if (d != nullptr)
                    d->reject(); // never shown in time: the test fails, it doesn't hang
                return;
            }
            area = availableArea(*d);
            QTest::qWait(200);
            frame = d->frameGeometry();
            for (const QPushButton* b : okAndCancel(*d))
                buttons.emplace_back(b->mapToGlobal(QPoint(0, 0)), b->size());
            seen = true;
            d->reject();
        };
        QTimer::singleShot(0, [&] { look(200); });
        open();
        ASSERT_TRUE(seen);
        EXPECT_TRUE(area.contains(frame))
            << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height()
            << " in " << area.width() << "x" << area.height();
        EXPECT_FALSE(buttons.empty());
        for (const QRect& b : buttons)
            EXPECT_TRUE(area.contains(b)) << b.y() << " " << b.height();
    }
}

} // namespace
} // namespace zw
