#include "app/main_window.h"

#include <QCloseEvent>

namespace zw {

TForm1::TForm1(Services& services, PropertyDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), editor_(services, dialogs) {
    editor_.setView(this);
    resize(724, 545);
    setMinimumSize(680, 300);
    captionChanged();
}

void TForm1::captionChanged() { setWindowTitle(QString::fromStdString(editor_.caption())); }

void TForm1::closeEvent(QCloseEvent* e) {
    if (editor_.closeRequest())
        e->accept();
    else
        e->ignore();
}

} // namespace zw
