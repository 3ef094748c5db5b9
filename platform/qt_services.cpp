#include "platform/qt_services.h"

#include "model/translation.h"
#include "platform/association.h"
#include "platform/native_path.h"
#include "platform/qt_text_window.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QSpacerItem>
#include <QStringList>
#include <QUrl>

namespace zw {
namespace {

QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A text of the services' interface (platform/services.h: the program's title,
// the file filters) in the current language.
QString platformText(std::string_view source) {
    return QString::fromStdString(translated("Platform", std::string(source).c_str()));
}

// File names travel through the editor as UTF-8 on every system. (On Windows
// QFile::encodeName gives the ANSI code page, which the file layer, expecting
// UTF-8, would refuse or misread; on Unix Qt 6 takes file names as UTF-8 anyway.)
std::string pathBytes(const QString& path) {
    return path.toUtf8().toStdString();
}
QString pathText(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

// The dialogs answer with '/' on every system; the editor shows and remembers
// paths as the system writes them.
std::string chosenPath(const QString& path) {
    return nativePath(pathBytes(path));
}

// Opens the dialog in the folder of the remembered file with its name
// proposed: the system's own dialog (Windows) takes only a file name from
// selectFile and would start in the current folder.
void proposePath(QFileDialog& dlg, const std::map<FileDialogId, QString>& lastPaths,
                 FileDialogId id) {
    const auto it = lastPaths.find(id);
    if (it == lastPaths.end() || it->second.isEmpty())
        return;
    const QFileInfo file(it->second);
    dlg.setDirectory(file.absolutePath());
    dlg.selectFile(file.fileName());
}

} // namespace

QString qtFilterFromPairs(std::string_view filter) {
    const QStringList parts = platformText(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& desc = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (desc.contains(QLatin1Char('(') + pattern + QLatin1Char(')')))
            out << desc;
        else
            out << desc + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

MessageResult QtServices::messageBox(std::string_view text, MessageKind kind,
                                     MessageButtons buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(platformText(kApplicationTitle));
    // File names and reasons in a message are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(fromUtf8(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    switch (kind) {
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // The buttons speak the editor's language whatever translations of Qt are
    // installed.
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Ok, ZW_TR_NOOP("Services", "ОК")},
        {QMessageBox::Yes, ZW_TR_NOOP("Services", "Да")},
        {QMessageBox::No, ZW_TR_NOOP("Services", "Нет")},
        {QMessageBox::Cancel, ZW_TR_NOOP("Services", "Отмена")}};
    for (const auto& [which, caption] : captions)
        if (QAbstractButton* b = box.button(which))
            b->setText(QString::fromStdString(translated("Services", caption)));
    // A short message makes a narrow box, and the window manager then cuts its
    // caption. The box sizes itself from its layout's minimum width, so a spacer
    // as wide as the caption in a bold title font, plus room for the title bar's
    // icon and buttons, keeps the caption whole.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont titleFont = box.font();
        titleFont.setBold(true);
        const QFontMetrics fm(titleFont);
        const int captionWidth = fm.horizontalAdvance(box.windowTitle()) + 8 * fm.height();
        grid->addItem(new QSpacerItem(captionWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    const int r = box.exec();
    switch (r) {
    case QMessageBox::Ok:
        return MessageResult::Ok;
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    default:
        // A box closed from its title bar: the safe answer of each set.
        return buttons == MessageButtons::Ok      ? MessageResult::Ok
               : buttons == MessageButtons::YesNo ? MessageResult::No
                                                  : MessageResult::Cancel;
    }
}

std::optional<std::string> QtServices::openFileDialog(FileDialogId id, std::string_view filter,
                                                      bool mustExist) {
    QFileDialog dlg(parent_);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dlg.setNameFilters(qtFilterFromPairs(filter).split(QStringLiteral(";;")));
    proposePath(dlg, lastPaths_, id);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dlg.selectedFiles().front();
    lastPaths_[id] = path;
    return chosenPath(path);
}

std::optional<std::string> QtServices::saveFileDialog(FileDialogId id, std::string_view filter) {
    QFileDialog dlg(parent_);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    dlg.setNameFilters(qtFilterFromPairs(filter).split(QStringLiteral(";;")));
    proposePath(dlg, lastPaths_, id);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dlg.selectedFiles().front();
    lastPaths_[id] = path;
    return chosenPath(path);
}

void QtServices::setDialogPath(FileDialogId id, const std::string& path) {
    lastPaths_[id] = QDir::fromNativeSeparators(pathText(path));
}

void QtServices::fileError(std::string_view reason) {
    messageBox(reason, MessageKind::Error, MessageButtons::Ok);
}

QtServices::~QtServices() {
    // Without a parent nothing else would delete the text window; with one, the
    // pointer is already null when the parent went first.
    delete textWindow_.data();
}

bool QtServices::shellOpen(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pathText(path)));
}

void QtServices::showTextWindow(std::string_view title, std::string_view utf8Text) {
    if (textWindow_ == nullptr)
        textWindow_ = new HelpTextWindow(parent_);
    textWindow_->showText(fromUtf8(title), fromUtf8(utf8Text));
}

std::optional<int> QtServices::askNumber(std::string_view title, std::string_view label, int min,
                                         int max) {
    QInputDialog dialog(parent_);
    const QString caption = QString::fromUtf8(title.data(), qsizetype(title.size()));
    dialog.setWindowTitle(caption);
    dialog.setLabelText(QString::fromUtf8(label.data(), qsizetype(label.size())));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(min, max);
    dialog.setIntValue(min);
    // The window system cuts a title longer than the window: room for it as
    // for a message box's caption.
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    const QFontMetrics fm(titleFont);
    dialog.setMinimumWidth(fm.horizontalAdvance(caption) + 8 * fm.height());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.intValue();
}

void QtServices::writeFileAssociation() {
    // Failures are silent: the editor works the same without the association.
    writeAssociation(executablePath(), associationPathsFromEnvironment());
}

std::vector<std::string> QtServices::arguments() const {
    if (args_)
        return *args_;
    std::vector<std::string> out;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i)
        out.push_back(pathBytes(args[i]));
    return out;
}

std::string QtServices::executablePath() const {
    return pathBytes(QCoreApplication::applicationFilePath());
}

std::string QtServices::executableDir() const {
    return pathBytes(QCoreApplication::applicationDirPath());
}

void QtServices::setClipboard(std::string_view mimeType, std::string_view text) {
    auto* data = new QMimeData;
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    data->setData(QString::fromUtf8(mimeType.data(), static_cast<qsizetype>(mimeType.size())),
                  bytes);
    data->setText(QString::fromUtf8(bytes));
    QGuiApplication::clipboard()->setMimeData(data); // the clipboard owns it
}

std::optional<std::string> QtServices::clipboardText(std::string_view mimeType) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return std::nullopt;
    const QString type =
        QString::fromUtf8(mimeType.data(), static_cast<qsizetype>(mimeType.size()));
    if (data->hasFormat(type))
        return data->data(type).toStdString();
    if (data->hasText())
        return data->text().toStdString();
    return std::nullopt;
}

} // namespace zw
