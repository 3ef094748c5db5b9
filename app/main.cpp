// Program start: the application, the main window and the four dialogs.
#include "app/main_window.h"
#include "platform/qt_services.h"
#include "rmg/template_list.h"

// The window classes first: the dialogs' header hands them out by pointer.
#include "dialogs/connection_dialog.h"
#include "dialogs/qt_dialogs.h"
#include "dialogs/template_dialog.h"
#include "dialogs/template_list_dialog.h"
#include "dialogs/zone_dialog.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The main window is created before the dialogs, which are its children; until
// they exist every dialog counts as cancelled.
class DialogsProxy : public zw::PropertyDialogs {
  public:
    zw::PropertyDialogs* target = nullptr;

    std::optional<zw::ZoneRecord> editZone(const zw::ZoneRecord& from) override {
        return target ? target->editZone(from) : std::nullopt;
    }
    std::optional<zw::ConnectionRecord> editConnection(const zw::ConnectionRecord& from,
                                                       bool furtherPassage) override {
        return target ? target->editConnection(from, furtherPassage) : std::nullopt;
    }
    std::optional<zw::TemplateSettings> editTemplate(const zw::TRmg& from) override {
        return target ? target->editTemplate(from) : std::nullopt;
    }
    zw::ListOutcome runTemplateList(zw::TemplateListSession& session) override {
        return target ? target->runTemplateList(session) : zw::ListOutcome::Abandon;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("zonewright"));
    // Qt's own texts (file dialogs, standard buttons) in Russian, like the rest.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ru"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    zw::QtServices services;
    // The command line as the system gave it: paths keep their exact bytes.
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    services.setArguments(std::move(args));

    DialogsProxy dialogs;
    zw::MainWindow window(services, dialogs);
    services.setParent(&window);
    zw::QtDialogs qtDialogs(services, &window);
    dialogs.target = &qtDialogs;
    window.showMaximized();
    return QApplication::exec();
}
