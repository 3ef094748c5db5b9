// A read-only text window of the editor: the help text when no program of the
// desktop can open it. It is not modal, so the user can read while editing;
// one instance is reused and brought to the front by each showing.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace zw {

class HelpTextWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HelpTextWindow(QWidget* parent = nullptr);

    // Shows `text` from its first line under the caption `title`. CR LF, CR and
    // LF all end a line.
    void showText(const QString& title, const QString& text);

    QPlainTextEdit* textView() const { return text_; }
    QPushButton* closeButton() const { return close_; }

  private:
    QPlainTextEdit* text_;
    QPushButton* close_;
};

} // namespace zw
