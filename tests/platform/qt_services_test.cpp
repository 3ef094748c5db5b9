#include "platform/association.h"
#include "platform/files.h"
#include "platform/qt_services.h"
#include "support/platform_fixtures.h"
#include "support/scratch_dir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <variant>

namespace zw {
namespace {
namespace fs = std::filesystem;

TEST(QtFilter, PairsBecomeQtFilters) {
    EXPECT_EQ(qtFilterFromPairs(kOpenProjectFilter),
              QString("Файл шаблона 0.95 (*.tpz);;Любой файл (*.*)"));
    EXPECT_EQ(qtFilterFromPairs(kRmgFilter), QString("rmg.txt (rmg.txt);;Любой файл (*.*)"));
    EXPECT_EQ(qtFilterFromPairs("Two|*.a;*.b"), QString("Two (*.a *.b)"));
    // A description without its pattern is dropped rather than misread.
    EXPECT_EQ(qtFilterFromPairs("All|*.*|Dangling"), QString("All (*.*)"));
    EXPECT_EQ(qtFilterFromPairs(""), QString());
}

// The width a dialog needs for its caption, and room for the title bar's icon
// and three buttons.
int captionWidthOf(const QWidget* w) {
    return w->fontMetrics().horizontalAdvance(w->windowTitle()) + 4 * w->fontMetrics().height();
}

// Answers the next modal message box: hands it to `inspect`, then presses `press`.
void answerNextBox(QMessageBox::StandardButton press,
                   std::function<void(QMessageBox*)> inspect = {}) {
    QTimer::singleShot(0, [inspect = std::move(inspect), press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (inspect)
            inspect(box);
        if (QAbstractButton* b = box->button(press))
            b->click();
        else
            box->reject();
    });
}

TEST(QtServicesMessages, TextIsPlainWithLineBreaksAndAnswersMapBack) {
    QtServices services;
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    answerNextBox(QMessageBox::Ok, [&](QMessageBox* box) {
        shown = box->text();
        format = box->textFormat();
        icon = box->icon();
    });
    // A file name that looks like markup must be shown as it is.
    EXPECT_EQ(services.messageBox("<b>x</b>.tpz\rline two", MessageKind::Error, MessageButtons::Ok),
              MessageResult::Ok);
    EXPECT_EQ(shown, QString("<b>x</b>.tpz\nline two"));
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(icon, QMessageBox::Critical);

    // Each answer maps back; closed without a button, the safe answer of its set.
    struct Case {
        MessageButtons buttons;
        QMessageBox::StandardButton press;
        MessageResult answer;
    };
    for (const Case& c :
         {Case{MessageButtons::YesNoCancel, QMessageBox::No, MessageResult::No},
          Case{MessageButtons::YesNo, QMessageBox::Yes, MessageResult::Yes},
          Case{MessageButtons::YesNoCancel, QMessageBox::NoButton, MessageResult::Cancel}}) {
        answerNextBox(c.press);
        EXPECT_EQ(services.messageBox("?", MessageKind::Confirmation, c.buttons), c.answer);
    }
}

// The caption is the application's title, whatever name the toolkit knows it by.
TEST(QtServicesMessages, BoxIsWideEnoughForItsCaption) {
    QtServices services;
    int width = 0, captionWidth = 0;
    QString title;
    answerNextBox(QMessageBox::Ok, [&](QMessageBox* box) {
        title = box->windowTitle();
        width = box->width();
        captionWidth = captionWidthOf(box);
    });
    services.messageBox("ОК", MessageKind::Information, MessageButtons::Ok);
    EXPECT_EQ(title, QStringLiteral("Редактор шаблонов"));
    EXPECT_GE(width, captionWidth);
}

// The number question's title is not cut off, and its answer comes back.
TEST(QtServicesNumber, DialogIsWideEnoughForItsTitle) {
    QtServices services;
    int width = 0, captionWidth = 0;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        width = dialog->width();
        captionWidth = captionWidthOf(dialog);
        dialog->setIntValue(3);
        dialog->accept();
    });
    EXPECT_EQ(services.askNumber("Перейти к локации", "Номер локации:", 1, 7), 3);
    EXPECT_GE(width, captionWidth);
}

TEST(QtServicesFacts, ArgumentsKeepTheirBytes) {
    QtServices services;
    services.setArguments({"/tmp/a b.tpz", std::string("/tmp/\xff\xfe.tpz")});
    EXPECT_EQ(services.arguments(),
              (std::vector<std::string>{"/tmp/a b.tpz", std::string("/tmp/\xff\xfe.tpz")}));
    EXPECT_EQ(services.executableDir(), QCoreApplication::applicationDirPath().toStdString());
    EXPECT_EQ(fs::path(services.executablePath()).parent_path().string(), services.executableDir());
}

// The freedesktop files; the Windows registry entries have their own test.
#ifndef _WIN32
TEST(QtServicesAssociation, WritesTheDesktopFilesForTheRunningExecutable) {
    const test::ScratchDir scratch;
    const fs::path dir{scratch.path()};
    QtServices services;
    {
        test::ScopedEnv data("XDG_DATA_HOME", (dir / "data").string());
        test::ScopedEnv config("XDG_CONFIG_HOME", (dir / "config").string());
        test::ScopedEnv path("PATH", (dir / "no-tools").string());
        services.writeFileAssociation();
    }
    auto entry = readWholeFile((dir / "data/applications/zonewright.desktop").string());
    ASSERT_TRUE(std::holds_alternative<std::string>(entry));
    EXPECT_EQ(std::get<std::string>(entry), desktopEntry(services.executablePath()));
    EXPECT_TRUE(fs::exists(dir / "data/mime/packages/zonewright.xml"));
    EXPECT_TRUE(fs::exists(dir / "config/mimeapps.list"));
}
#endif

} // namespace
} // namespace zw
