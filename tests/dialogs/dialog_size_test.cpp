// Every dialog must fit on a small desktop (1024 x 768 less a title bar and a
// panel) at the platform's default font, or its buttons end up off screen.
#include "dialogs/connection_dialog.h"
#include "dialogs/qt_dialogs.h"
#include "dialogs/template_dialog.h"
#include "dialogs/template_list_dialog.h"
#include "dialogs/zone_dialog.h"
#include "support/scripted_services.h"

#include <QDialog>
#include <QFont>
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

} // namespace
} // namespace zw
