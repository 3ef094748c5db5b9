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

#include <memory>

namespace {

// The property windows, built when one is first asked for: building them all
// costs about twice what the main window does, and none is needed before the
// window is on screen. They become the main window's children, which deletes
// them before this goes.
class DeferredDialogs : public zw::PropertyDialogs {
  public:
    explicit DeferredDialogs(zw::Services& services) : services_(services) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<zw::ZoneRecord> editZone(const zw::ZoneRecord& from) override {
        return dialogs().editZone(from);
    }
    std::optional<zw::ConnectionRecord> editConnection(const zw::ConnectionRecord& from,
                                                       bool furtherPassage) override {
        return dialogs().editConnection(from, furtherPassage);
    }
    std::optional<zw::TemplateSettings> editTemplate(const zw::TRmg& from) override {
        return dialogs().editTemplate(from);
    }
    zw::ListOutcome runTemplateList(zw::TemplateListSession& session) override {
        return dialogs().runTemplateList(session);
    }
    std::optional<std::vector<zw::ZoneRecord>>
    editZones(const std::vector<zw::ZoneRecord>& from,
              const std::vector<int64_t>& numbers) override {
        return dialogs().editZones(from, numbers);
    }
    std::optional<zw::DuplicateSettings>
    duplicateZonesForPlayers(const zw::TRmg& t, const std::vector<int32_t>& zones) override {
        return dialogs().duplicateZonesForPlayers(t, zones);
    }
    std::optional<zw::PatternSettings> generateFromPattern() override {
        return dialogs().generateFromPattern();
    }

  private:
    zw::QtDialogs& dialogs() {
        if (!dialogs_)
            dialogs_ = std::make_unique<zw::QtDialogs>(services_, parent_);
        return *dialogs_;
    }

    zw::Services& services_;
    QWidget* parent_ = nullptr;
    std::unique_ptr<zw::QtDialogs> dialogs_;
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
    // The command line as the system gave it, without the options Qt took:
    // paths keep their exact bytes, and on Windows their every letter.
    services.setArguments(zw::utf8Arguments(argc, argv));

    DeferredDialogs dialogs(services);
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
        startUp(window.session());
    });
    return QApplication::exec();
}
