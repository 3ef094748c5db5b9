#include "dialogs/qt_dialogs.h"

#include "dialogs/connection_dialog.h"
#include "dialogs/duplicate_dialog.h"
#include "dialogs/pattern_dialog.h"
#include "dialogs/template_dialog.h"
#include "dialogs/template_list_dialog.h"
#include "dialogs/zone_dialog.h"

namespace zw {

QtDialogs::QtDialogs(Services& services, QWidget* parent)
    : form2_(new ZoneDialog(services, parent)), form3_(new ConnectionDialog(parent)),
      form4_(new TemplateDialog(services, parent)),
      form5_(new TemplateListDialog(services, parent)),
      duplicate_(new DuplicateDialog(services, parent)),
      pattern_(new PatternDialog(services, parent)) {}

QtDialogs::~QtDialogs() {
    // A parent may have deleted them already; the guarded pointers are then null.
    delete pattern_.data();
    delete duplicate_.data();
    delete form5_.data();
    delete form4_.data();
    delete form3_.data();
    delete form2_.data();
}

void QtDialogs::setParent(QWidget* parent) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{form2_, form3_, form4_, form5_, duplicate_, pattern_})
        if (w)
            w->setParent(parent, w->windowFlags());
}

ZoneDialog* QtDialogs::zoneDialog() const {
    return form2_.data();
}
ConnectionDialog* QtDialogs::connectionDialog() const {
    return form3_.data();
}
TemplateDialog* QtDialogs::templateDialog() const {
    return form4_.data();
}
TemplateListDialog* QtDialogs::templateListDialog() const {
    return form5_.data();
}

DuplicateDialog* QtDialogs::duplicateDialog() const {
    return duplicate_.data();
}

PatternDialog* QtDialogs::patternDialog() const {
    return pattern_.data();
}

std::optional<ZoneRecord> QtDialogs::editZone(const ZoneRecord& from) {
    if (form2_ == nullptr)
        return std::nullopt;
    form2_->fill(from);
    centreOnScreen(*form2_);
    if (form2_->exec() != QDialog::Accepted)
        return std::nullopt;
    return form2_->readBack();
}

std::optional<ConnectionRecord> QtDialogs::editConnection(const ConnectionRecord& from,
                                                          bool furtherPassage) {
    if (form3_ == nullptr)
        return std::nullopt;
    if (furtherPassage)
        form3_->fillFurther(from);
    else
        form3_->fill(from);
    centreOnScreen(*form3_);
    if (form3_->exec() != QDialog::Accepted)
        return std::nullopt;
    return form3_->result();
}

std::optional<TemplateSettings> QtDialogs::editTemplate(const TRmg& from) {
    if (form4_ == nullptr)
        return std::nullopt;
    form4_->fill(from);
    centreOnScreen(*form4_);
    if (form4_->exec() != QDialog::Accepted)
        return std::nullopt;
    return form4_->result();
}

ListOutcome QtDialogs::runTemplateList(TemplateListSession& session) {
    if (form5_ == nullptr)
        return ListOutcome::Abandon;
    return form5_->run(session);
}

std::optional<DuplicateSettings>
QtDialogs::duplicateZonesForPlayers(const TRmg& t, const std::vector<int32_t>& zones) {
    if (duplicate_ == nullptr)
        return std::nullopt;
    duplicate_->showForm(suggestedDuplicate(t, zones, lastDuplicate_));
    return runDuplicate();
}

std::optional<DuplicateSettings> QtDialogs::runDuplicate() {
    centreOnScreen(*duplicate_);
    if (duplicate_->exec() != QDialog::Accepted)
        return std::nullopt;
    lastDuplicate_ = duplicate_->form();
    return duplicate_->form().settings();
}

std::optional<PatternSettings> QtDialogs::generateFromPattern() {
    if (pattern_ == nullptr)
        return std::nullopt;
    // The last settings of the session come back.
    pattern_->refresh();
    centreOnScreen(*pattern_);
    if (pattern_->exec() != QDialog::Accepted)
        return std::nullopt;
    return pattern_->result();
}

std::optional<std::vector<ZoneRecord>> QtDialogs::editZones(const std::vector<ZoneRecord>& from,
                                                            const std::vector<int64_t>& numbers) {
    if (form2_ == nullptr || from.empty())
        return std::nullopt;
    form2_->fillSeveral(from, numbers);
    centreOnScreen(*form2_);
    if (form2_->exec() != QDialog::Accepted)
        return std::nullopt;
    return form2_->readBackSeveral(from);
}

} // namespace zw
