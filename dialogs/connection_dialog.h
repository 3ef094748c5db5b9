// The connection settings window ("Настройка перехода"): the passage
// count, one tab per passage, and the controls of the selected passage. It
// validates nothing; "ОК" writes the selected tab back and accepts.
#pragma once

#include "dialogs/connection_logic.h"
#include "dialogs/controls.h"
#include "dialogs/kept_cells_table.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class QWidget;

namespace zw {

class ConnectionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ConnectionDialog(QWidget* parent = nullptr);

    void fill(const ConnectionRecord& r);
    // Fill for a further passage: one tab more, the last selected, its slot
    // not loaded (the controls still show the first passage).
    void fillFurther(const ConnectionRecord& r);
    // The connection as "ОК" left it (valid after accept()).
    const ConnectionRecord& result() const { return result_; }
    const ConnectionForm& form() const { return form_; }

    void accept() override;

    struct Controls {
        NumberField* count = nullptr;
        QTabBar* tabs = nullptr;
        QComboBox* kind = nullptr;
        QLabel* guardLabel = nullptr;
        PresetBox* guard = nullptr;
        QCheckBox* autoExist = nullptr;
        QWidget* limitsFrame = nullptr;
        std::array<NumberField*, 4> limits{};
        KeptCellsTable* kept = nullptr; // of the passage on the selected tab
        QPushButton* ok = nullptr;
        QPushButton* cancel = nullptr;
    };
    const Controls& controls() const { return ui_; }

  private:
    void build();
    void showTabs();
    void showControls();
    void applyVisibility();

    ConnectionForm form_;
    ConnectionRecord result_;
    Controls ui_;
    bool rebuildingTabs_ = false;
};

} // namespace zw
