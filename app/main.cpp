// Program start: the application, the services, the dialogs and the main
// window; once the window is on screen, the editor's start-up.
#include "app/language.h"
#include "app/main_window.h"
#include "dialogs/qt_dialogs.h"
#include "editor/commands/start_up.h"
#include "platform/process.h"
#include "platform/qt_services.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("zonewright"));
    zw::QtServices services;
    // The command line as the system gave it, without the options Qt took:
    // paths keep their exact bytes, and on Windows their every letter.
    std::vector<std::string> args = zw::utf8Arguments(argc, argv);
    // The language: "--language en|ru" for this run, else the one chosen in an
    // earlier run, else Russian. Without its translation files the editor
    // stays Russian.
    const zw::Language language = zw::takeLanguageOption(args).value_or(zw::storedLanguage());
    if (!zw::applyLanguage(language))
        zw::applyLanguage(zw::Language::Russian);
    services.setArguments(std::move(args));

    // The property windows are built when first opened, as children of the
    // main window, which deletes them before the dialogs go.
    zw::QtDialogs dialogs(services);
    zw::MainWindow window(services, dialogs);
    services.setParent(&window);
    dialogs.setParent(&window);
    // While a dialog was open the pointer was over it, not the canvas: what
    // lies under the pointer is looked up again once it closes.
    dialogs.setAfterClose([&window] { window.editor().refreshHover(); });
    window.setLanguageChanged([&dialogs] { dialogs.rebuildWindows(); });
    window.showMaximized();
    // What can wait runs once the event loop has put the window on screen:
    // the recovery store, the file association, the command-line file and
    // the offer of unsaved work an earlier run left. Start-up messages have
    // the shown main window as their parent.
    QTimer::singleShot(0, &window, [&window] {
        window.enableRecovery(zw::RecoveryStore::forThisProcess());
        startUp(window.session());
    });
    return QApplication::exec();
}
