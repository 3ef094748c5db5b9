#include "dialogs/qt_dialogs.h"

#include "dialogs/connection_dialog.h"
#include "dialogs/duplicate_dialog.h"
#include "dialogs/pattern_dialog.h"
#include "dialogs/template_dialog.h"
#include "dialogs/template_list_dialog.h"
#include "dialogs/zone_dialog.h"

namespace zw {

QtDialogs::QtDialogs(Services& services, QWidget* parent) : services_(services), parent_(parent) {}

QtDialogs::~QtDialogs() {
    // A parent may have deleted them already; the guarded pointers are then null.
    delete pattern_.window.data();
    delete duplicate_.window.data();
    delete form5_.window.data();
    delete form4_.window.data();
    delete form3_.window.data();
    delete form2_.window.data();
}

template <class Window, class... Args> Window* QtDialogs::built(Lazy<Window>& lazy, Args&... args) {
    if (!lazy.built) {
        lazy.window = new Window(args..., parent_.data());
        lazy.built = true;
    }
    return lazy.window.data();
}

void QtDialogs::setParent(QWidget* parent) {
    parent_ = parent;
    for (QWidget* w :
         std::initializer_list<QWidget*>{form2_.window, form3_.window, form4_.window, form5_.window,
                                         duplicate_.window, pattern_.window})
        if (w)
            w->setParent(parent, w->windowFlags());
}

ZoneDialog* QtDialogs::zoneDialog() {
    return built(form2_, services_);
}
ConnectionDialog* QtDialogs::connectionDialog() {
    return built(form3_);
}
TemplateDialog* QtDialogs::templateDialog() {
    return built(form4_, services_);
}
TemplateListDialog* QtDialogs::templateListDialog() {
    return built(form5_, services_);
}
DuplicateDialog* QtDialogs::duplicateDialog() {
    return built(duplicate_, services_);
}
PatternDialog* QtDialogs::patternDialog() {
    const bool fresh = !pattern_.built;
    PatternDialog* dialog = built(pattern_, services_);
    if (fresh && dialog && keptPattern_)
        dialog->restoreForm(*keptPattern_);
    keptPattern_.reset();
    return dialog;
}

void QtDialogs::rebuildWindows() {
    if (pattern_.window)
        keptPattern_ = pattern_.window->form();
    const auto drop = [](auto& lazy) {
        delete lazy.window.data();
        lazy.built = false;
    };
    drop(pattern_);
    drop(duplicate_);
    drop(form5_);
    drop(form4_);
    drop(form3_);
    drop(form2_);
}

std::optional<ZoneRecord> QtDialogs::editZone(const ZoneRecord& from) {
    return closed(runZone(from));
}

std::optional<ConnectionRecord> QtDialogs::editConnection(const ConnectionRecord& from,
                                                          bool furtherPassage) {
    return closed(runConnection(from, furtherPassage));
}

std::optional<TemplateSettings> QtDialogs::editTemplate(const TRmg& from) {
    return closed(runTemplate(from));
}

ListOutcome QtDialogs::runTemplateList(TemplateListSession& session) {
    return closed(runList(session));
}

std::optional<std::vector<ZoneRecord>> QtDialogs::editZones(const std::vector<ZoneRecord>& from,
                                                            const std::vector<int64_t>& numbers) {
    return closed(runZones(from, numbers));
}

std::optional<DuplicateSettings>
QtDialogs::duplicateZonesForPlayers(const TRmg& t, const std::vector<int32_t>& zones) {
    return closed(runDuplicate(t, zones));
}

std::optional<PatternSettings> QtDialogs::generateFromPattern() {
    return closed(runPattern());
}

std::optional<ZoneRecord> QtDialogs::runZone(const ZoneRecord& from) {
    ZoneDialog* dialog = zoneDialog();
    if (dialog == nullptr)
        return std::nullopt;
    dialog->fill(from);
    centreOnScreen(*dialog);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->readBack();
}

std::optional<ConnectionRecord> QtDialogs::runConnection(const ConnectionRecord& from,
                                                         bool furtherPassage) {
    ConnectionDialog* dialog = connectionDialog();
    if (dialog == nullptr)
        return std::nullopt;
    if (furtherPassage)
        dialog->fillFurther(from);
    else
        dialog->fill(from);
    centreOnScreen(*dialog);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->result();
}

std::optional<TemplateSettings> QtDialogs::runTemplate(const TRmg& from) {
    TemplateDialog* dialog = templateDialog();
    if (dialog == nullptr)
        return std::nullopt;
    dialog->fill(from);
    centreOnScreen(*dialog);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->result();
}

ListOutcome QtDialogs::runList(TemplateListSession& session) {
    TemplateListDialog* dialog = templateListDialog();
    if (dialog == nullptr)
        return ListOutcome::Abandon;
    return dialog->run(session);
}

std::optional<DuplicateSettings> QtDialogs::runDuplicate(const TRmg& t,
                                                         const std::vector<int32_t>& zones) {
    DuplicateDialog* dialog = duplicateDialog();
    if (dialog == nullptr)
        return std::nullopt;
    dialog->showForm(suggestedDuplicate(t, zones, lastDuplicate_));
    centreOnScreen(*dialog);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    // The last duplicate accepted in this session comes back next time.
    lastDuplicate_ = dialog->form();
    return dialog->form().settings();
}

std::optional<PatternSettings> QtDialogs::runPattern() {
    PatternDialog* dialog = patternDialog();
    if (dialog == nullptr)
        return std::nullopt;
    // The last settings of the session come back.
    dialog->refresh();
    centreOnScreen(*dialog);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->result();
}

std::optional<std::vector<ZoneRecord>> QtDialogs::runZones(const std::vector<ZoneRecord>& from,
                                                           const std::vector<int64_t>& numbers) {
    ZoneDialog* dialog = zoneDialog();
    if (dialog == nullptr || from.empty())
        return std::nullopt;
    dialog->fillSeveral(from, numbers);
    centreOnScreen(*dialog);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->readBackSeveral(from);
}

} // namespace zw
