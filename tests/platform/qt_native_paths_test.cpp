#include "platform/native_path.h"
#include "platform/qt_services.h"
#include "support/scratch_dir.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace zw {
namespace {

// The toolkit's dialogs answer with '/' everywhere; the editor gets the path
// as the system writes it (on Windows with '\'), the same as from a command line.
TEST(QtServicesDialogs, TheChosenFileComesInTheSystemsForm) {
    const test::ScratchDir dir;
    const std::string chosen = dir.file("карта.tpz");
    QtServices services;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(chosen));
        QMetaObject::invokeMethod(dialog, "accept"); // a protected slot
    });
    EXPECT_EQ(services.saveFileDialog(FileDialogId::SaveProject, kSaveProjectFilter),
              nativePath(chosen));
}

} // namespace
} // namespace zw
