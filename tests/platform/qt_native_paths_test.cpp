#include "platform/native_path.h"
#include "platform/qt_services.h"
#include "support/scratch_dir.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>

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

// Every file dialog opens in the folder of the file it proposes, with that
// file's name filled in: the whole remembered path, not its name alone.
TEST(QtServicesDialogs, EveryDialogOpensWhereItsFileIs) {
    const test::ScratchDir dir;
    const std::string folder = dir.file("Мои проекты");
    std::filesystem::create_directory(test::fsPath(folder));
    const std::string file = folder + "/Кольцо.tpz";
    test::spit(file, "");
    QtServices services;
    for (const FileDialogId id : {FileDialogId::OpenProject, FileDialogId::SaveProject,
                                  FileDialogId::OpenRmg, FileDialogId::SaveRmg}) {
        services.setDialogPath(id, nativePath(file));
        QString shownFolder;
        QStringList proposed;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            shownFolder = dialog->directory().absolutePath();
            proposed = dialog->selectedFiles();
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const bool save = id == FileDialogId::SaveProject || id == FileDialogId::SaveRmg;
        const auto chosen = save ? services.saveFileDialog(id, kSaveProjectFilter)
                                 : services.openFileDialog(id, kOpenProjectFilter, true);
        EXPECT_EQ(shownFolder, QDir(QString::fromStdString(folder)).absolutePath());
        EXPECT_EQ(proposed, QStringList{QDir::fromNativeSeparators(QString::fromStdString(file))});
        EXPECT_EQ(chosen, nativePath(file));
    }
}

} // namespace
} // namespace zw
