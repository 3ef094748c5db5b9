// The "duplicate for players" window: a list per player naming the player its
// zones' copies belong to, and radio buttons for the copy's placement.
#pragma once

#include "dialogs/duplicate_logic.h"

#include <QDialog>

#include <array>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace zw {

class Services;

class DuplicateDialog : public QDialog {
    Q_OBJECT
  public:
    explicit DuplicateDialog(Services& services, QWidget* parent = nullptr);

    // Starts from every player keeping its zones, mirrored left to right.
    void reset();
    // Shows `form` in the controls.
    void showForm(const DuplicateForm& form);
    const DuplicateForm& form() const { return form_; }

    // "ОК": closes with OK only when every copy goes to a player of the
    // template; otherwise says why in an error box.
    void accept() override;

    struct Controls {
        std::array<QComboBox*, kPlayerSlots> players{};
        std::array<QRadioButton*, 5> transforms{};
        QPushButton* ok = nullptr;
        QPushButton* cancel = nullptr;
    };
    const Controls& controls() const { return ui_; }

  private:
    Services& services_;
    DuplicateForm form_;
    Controls ui_;
};

} // namespace zw
