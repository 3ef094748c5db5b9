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
#include "support/scripted_services.h"

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QPushButton>
#include <QScrollArea>
#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(DialogSize, EveryDialogFitsASmallScreen) {
    ScriptedServices services;
    QtDialogs dialogs(services);
    for (QDialog* d : {static_cast<QDialog*>(dialogs.zoneDialog()),
                       static_cast<QDialog*>(dialogs.connectionDialog()),
                       static_cast<QDialog*>(dialogs.templateDialog()),
                       static_cast<QDialog*>(dialogs.templateListDialog())}) {
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
    for (QDialog* d : {static_cast<QDialog*>(dialogs.zoneDialog()),
                       static_cast<QDialog*>(dialogs.connectionDialog()),
                       static_cast<QDialog*>(dialogs.templateDialog()),
                       static_cast<QDialog*>(dialogs.duplicateDialog())}) {
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
            if (area.width() > 1800) {
                EXPECT_FALSE(scrolls);
            }
            if (area.width() < 1000 && d == dialogs.zoneDialog()) {
                EXPECT_TRUE(scrolls);
            }
            for (const QPushButton* b : d->findChildren<QPushButton*>()) {
                if (b->text() != QStringLiteral("ОК") && b->text() != QStringLiteral("Отмена"))
                    continue;
                EXPECT_TRUE(d->rect().contains(QRect(b->mapTo(d, QPoint(0, 0)), b->size())))
                    << b->text().toStdString();
            }
            d->hide();
        }
    }
}

} // namespace
} // namespace zw
