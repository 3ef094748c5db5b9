// The property dialogs of the editor as Qt windows: ZoneDialog (zone and zones),
// ConnectionDialog (connection), TemplateDialog (template), TemplateListDialog
// (template list), DuplicateDialog and PatternDialog. Each window is built when
// it is first asked for (building them all costs about twice what the main
// window does, and none is needed before the main window is on screen) and
// reused for every opening.
#pragma once

#include "dialogs/duplicate_logic.h"
#include "dialogs/pattern_logic.h"
#include "platform/dialogs.h"

#include <QPointer>

#include <functional>

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

    // Makes the windows children of `parent` (the main window, created after
    // this because it needs it): those built already and those built later.
    void setParent(QWidget* parent);

    // Run once after every dialog has closed, before its answer is handed back
    // (the main window looks the item under the pointer up again).
    void setAfterClose(std::function<void()> afterClose) { afterClose_ = std::move(afterClose); }

    // Deletes the windows built so far: each is built again in the current
    // language when next asked for. The pattern window's settings of the
    // session are kept.
    void rebuildWindows();

    // The windows, built when first asked for (null only if a parent deleted them).
    ZoneDialog* zoneDialog();
    ConnectionDialog* connectionDialog();
    TemplateDialog* templateDialog();
    TemplateListDialog* templateListDialog();
    DuplicateDialog* duplicateDialog();
    PatternDialog* patternDialog();

  private:
    // One window and whether it was built: a built window its parent deleted
    // is not built again.
    template <class Window> struct Lazy {
        QPointer<Window> window;
        bool built = false;
    };
    template <class Window, class... Args> Window* built(Lazy<Window>& lazy, Args&... args);
    // The dialog's answer, after afterClose_ has run.
    template <typename Answer> Answer closed(Answer answer) {
        if (afterClose_)
            afterClose_();
        return answer;
    }
    std::optional<ZoneRecord> runZone(const ZoneRecord& from);
    std::optional<ConnectionRecord> runConnection(const ConnectionRecord& from,
                                                  bool furtherPassage);
    std::optional<TemplateSettings> runTemplate(const TRmg& from);
    ListOutcome runList(TemplateListSession& session);
    std::optional<std::vector<ZoneRecord>> runZones(const std::vector<ZoneRecord>& from,
                                                    const std::vector<int64_t>& numbers);
    std::optional<DuplicateSettings> runDuplicate(const TRmg& t, const std::vector<int32_t>& zones);
    std::optional<PatternSettings> runPattern();

    Services& services_;
    QPointer<QWidget> parent_;
    std::function<void()> afterClose_;
    Lazy<ZoneDialog> form2_;
    Lazy<ConnectionDialog> form3_;
    Lazy<TemplateDialog> form4_;
    Lazy<TemplateListDialog> form5_;
    Lazy<DuplicateDialog> duplicate_;
    Lazy<PatternDialog> pattern_;
    // The last duplicate accepted in this session.
    std::optional<DuplicateForm> lastDuplicate_;
    // The pattern window's settings while it is built again.
    std::optional<PatternForm> keptPattern_;
};

} // namespace zw
