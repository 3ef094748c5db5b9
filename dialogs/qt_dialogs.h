// The property dialogs of the editor as Qt windows: ZoneDialog (zone), ConnectionDialog
// (connection), TemplateDialog (template) and TemplateListDialog (template list), created once, in
// that order, and reused for every opening.
#pragma once

#include "dialogs/duplicate_logic.h"
#include "platform/dialogs.h"

#include <QPointer>

class QWidget;

namespace zw {

class Services;
class ZoneDialog;
class ConnectionDialog;
class TemplateDialog;
class TemplateListDialog;
class DuplicateDialog;
class PatternDialog;

class QtDialogs : public PropertyDialogs {
  public:
    explicit QtDialogs(Services& services, QWidget* parent = nullptr);
    ~QtDialogs() override;
    QtDialogs(const QtDialogs&) = delete;
    QtDialogs& operator=(const QtDialogs&) = delete;

    std::optional<ZoneRecord> editZone(const ZoneRecord& from) override;
    std::optional<ConnectionRecord> editConnection(const ConnectionRecord& from,
                                                   bool furtherPassage) override;
    std::optional<TemplateSettings> editTemplate(const TRmg& from) override;
    ListOutcome runTemplateList(TemplateListSession& session) override;
    std::optional<std::vector<ZoneRecord>> editZones(const std::vector<ZoneRecord>& from,
                                                     const std::vector<int64_t>& numbers) override;
    std::optional<DuplicateSettings>
    duplicateZonesForPlayers(const TRmg& t, const std::vector<int32_t>& zones) override;
    std::optional<PatternSettings> generateFromPattern() override;

    // Makes the four windows children of `parent` (the main window, created
    // after them because it needs them).
    void setParent(QWidget* parent);

    // The windows (null only if a parent given at construction deleted them).
    ZoneDialog* zoneDialog() const;
    ConnectionDialog* connectionDialog() const;
    TemplateDialog* templateDialog() const;
    TemplateListDialog* templateListDialog() const;
    DuplicateDialog* duplicateDialog() const;
    PatternDialog* patternDialog() const;

  private:
    // Runs the duplicate window as shown and remembers what OK accepted.
    std::optional<DuplicateSettings> runDuplicate();

    QPointer<ZoneDialog> form2_;
    QPointer<ConnectionDialog> form3_;
    QPointer<TemplateDialog> form4_;
    QPointer<TemplateListDialog> form5_;
    QPointer<DuplicateDialog> duplicate_;
    QPointer<PatternDialog> pattern_;
    // The last duplicate accepted in this session.
    std::optional<DuplicateForm> lastDuplicate_;
};

} // namespace zw
