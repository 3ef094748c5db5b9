// The template list window ("Вставка шаблона в файл"): shows a
// TemplateListSession and forwards the user's events to it. It has no
// title-bar buttons; its own buttons close it, and any other close (Esc, the
// window manager) ends as the outcome abandon. It opens wide enough for the
// longest name of the file and can be resized; Enter in the name field
// presses "Добавить шаблон".
#pragma once

#include "dialogs/controls.h"
#include "dialogs/kept_cells_table.h"
#include "dialogs/template_list_logic.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zw {

class Services;

class TemplateListDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TemplateListDialog(Services& services, QWidget* parent = nullptr);

    // Shows the session and runs the window modally until it ends.
    ListOutcome run(TemplateListSession& session);

    // Binds the window to a session and shows its state (run() does this
    // first; tests of the window without its event loop call it directly).
    void attach(TemplateListSession& session);
    // How the last run ended (Abandon until one ends otherwise).
    ListOutcome outcome() const { return outcome_; }

    // Any close that is not one of the window's buttons: abandon.
    void reject() override;

    struct Controls {
        QLineEdit* name = nullptr;
        QLabel* hint = nullptr;
        QListWidget* list = nullptr;
        QPushButton* remove = nullptr;
        QPushButton* removeAll = nullptr;
        KeptCellsTable* pack = nullptr; // the pack cells of an extended table, read-only
        QPushButton* add = nullptr;
        QPushButton* import = nullptr;
        QPushButton* cancel = nullptr;
    };
    const Controls& controls() const { return ui_; }

  private:
    void build();
    // Mirrors the session's state onto the widgets. The name field is set only
    // when the session changed it, so that text the user is typing stays.
    void showSession(bool nameToo);
    // Runs an event of the session and shows its effect.
    template <typename Event> void runEvent(Event&& e);
    void finish(ListOutcome outcome);
    // Widens the list so that its longest name shows whole (within the screen).
    void fitListToNames();

    Services& services_;
    TemplateListSession* session_ = nullptr;
    ListOutcome outcome_ = ListOutcome::Abandon;
    KeptCellsForm pack_;
    Controls ui_;
    bool showing_ = false;
};

} // namespace zw
