// Program start: the application, the services, the dialogs and the main
// window; once the window is on screen, the editor's start-up.
#include "app/main_window.h"
#include "dialogs/qt_dialogs.h"
#include "editor/commands/start_up.h"
#include "platform/process.h"
#include "platform/qt_services.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("zonewright"));
    // Qt's own texts (file dialogs, standard buttons) in Russian, like the rest.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ru"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    zw::QtServices services;
    // The command line as the system gave it, without the options Qt took:
    // paths keep their exact bytes, and on Windows their every letter.
    services.setArguments(zw::utf8Arguments(argc, argv));

    // The dialogs become the main window's children once it exists; the window
    // deletes them before QtDialogs goes.
    zw::QtDialogs dialogs(services);
    zw::MainWindow window(services, dialogs);
    services.setParent(&window);
    dialogs.setParent(&window);
    window.showMaximized();
    // What can wait runs once the event loop has put the window on screen:
    // the recovery store, the file association, the command-line file and
    // the offer of unsaved work an earlier run left. Start-up messages have
    // the shown main window as their parent.
    QTimer::singleShot(0, &window, [&window] {
        window.enableRecovery(zw::RecoveryStore::forThisProcess());
        startUp(window.editor());
    });
    return QApplication::exec();
}
