// Program start: the application, the main window and the four dialogs.
#include "app/main_window.h"
#include "platform/qt_services.h"
#include "rmg/template_list.h"

#include <QApplication>

namespace {

// Placeholder until the dialog windows exist: every dialog is cancelled.
class NoDialogs : public zw::PropertyDialogs {
  public:
    std::optional<zw::ZoneRecord> editZone(const zw::ZoneRecord&) override { return std::nullopt; }
    std::optional<zw::ConnectionRecord> editConnection(const zw::ConnectionRecord&, bool) override {
        return std::nullopt;
    }
    std::optional<zw::TemplateSettings> editTemplate(const zw::TRmg&) override {
        return std::nullopt;
    }
    zw::ListOutcome runTemplateList(zw::TemplateListSession&) override {
        return zw::ListOutcome::Abandon;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Редактор шаблонов"));
    zw::QtServices services;
    NoDialogs dialogs;
    zw::TForm1 window(services, dialogs);
    services.setParent(&window);
    window.editor().startUp();
    window.showMaximized();
    return QApplication::exec();
}
