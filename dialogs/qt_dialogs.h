// The property dialogs of the editor as Qt windows: TForm2 (zone), TForm3
// (connection), TForm4 (template) and TForm5 (template list), created once, in
// that order, and reused for every opening.
#pragma once

#include "platform/dialogs.h"

#include <QPointer>

class QWidget;

namespace zw {

class Services;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

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

    // The windows (null only if a parent given at construction deleted them).
    TForm2* zoneDialog() const;
    TForm3* connectionDialog() const;
    TForm4* templateDialog() const;
    TForm5* templateListDialog() const;

  private:
    QPointer<TForm2> form2_;
    QPointer<TForm3> form3_;
    QPointer<TForm4> form4_;
    QPointer<TForm5> form5_;
};

} // namespace zw
