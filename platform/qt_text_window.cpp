#include "platform/qt_text_window.h"

#include "model/translation.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zw {

HelpTextWindow::HelpTextWindow(QWidget* parent) : QDialog(parent) {
    setModal(false);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    // The text is laid out in columns with spaces, so it reads in a fixed-width font.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    close_ = new QPushButton(this);
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(text_, 1);
    outer->addLayout(buttons);
    setSizeGripEnabled(true);

    // Eighty columns and thirty lines, as far as a small screen allows.
    const QFontMetrics fm(text_->font());
    resize(std::min(fm.horizontalAdvance(QString(84, QLatin1Char('M'))), 960),
           std::min(fm.lineSpacing() * 30, 640));
}

void HelpTextWindow::showText(const QString& title, const QString& text) {
    setWindowTitle(title);
    // The window is kept between showings: its button follows the language.
    close_->setText(QString::fromStdString(ZW_TR("Services", "Закрыть")));
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text_->setPlainText(lines);
    text_->moveCursor(QTextCursor::Start);
    show();
    raise();
    activateWindow();
}

} // namespace zw
