// The template settings window ("Настройка шаблона"): name, allowed map
// sizes, player count and the kinds of the players.
#pragma once

#include "dialogs/controls.h"
#include "dialogs/kept_cells_table.h"
#include "dialogs/template_logic.h"

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zw {

class Services;

class TemplateDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TemplateDialog(Services& services, QWidget* parent = nullptr);

    void fill(const TRmg& t);
    // The settings "ОК" accepted (set by accept()).
    const std::optional<TemplateSettings>& result() const { return result_; }
    const TemplateForm& form() const { return form_; }

    // "ОК": closes with OK only when the checks pass.
    void accept() override;

    struct Controls {
        QLineEdit* name = nullptr;
        QLabel* range = nullptr;
        CheckColumns* sizes = nullptr;
        QComboBox* playerCount = nullptr;
        std::array<QLabel*, kPlayerSlots> playerLabels{};
        std::array<QComboBox*, kPlayerSlots> playerKinds{};
        KeptCellsTable* kept = nullptr; // shown for a template that keeps cells
        QPushButton* ok = nullptr;
        QPushButton* cancel = nullptr;
    };
    const Controls& controls() const { return ui_; }

  private:
    void build();
    void showSizes();
    void applyVisibility();

    Services& services_;
    TemplateForm form_;
    std::optional<TemplateSettings> result_;
    Controls ui_;
};

} // namespace zw
