// The main window TForm1: toolbar, canvas, scroll bars and the hover panel,
// wired to the editor's commands.
#pragma once

#include "model/editor.h"

#include <QMainWindow>

namespace zw {

class TForm1 : public QMainWindow, public EditorView {
    Q_OBJECT
  public:
    TForm1(Services& services, PropertyDialogs& dialogs, QWidget* parent = nullptr);

    Editor& editor() { return editor_; }

    void captionChanged() override;

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    Editor editor_;
};

} // namespace zw
