// Services of the real desktop, through Qt.
#pragma once

#include "platform/services.h"

#include <QPointer>
#include <QString>
#include <map>
#include <optional>
#include <vector>

class QWidget;

namespace zw {

class HelpTextWindow;

// "desc|pattern|desc|pattern" into Qt's "desc (pattern);;desc (pattern)".
QString qtFilterFromPairs(std::string_view filter);

class QtServices : public Services {
  public:
    explicit QtServices(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    // The command-line arguments after the program name, byte for byte as the
    // system passed them; without this call Qt's decoded list is used.
    void setArguments(std::vector<std::string> args) { args_ = std::move(args); }

    MessageResult messageBox(std::string_view text, MessageKind kind,
                             MessageButtons buttons) override;
    std::optional<std::string> openFileDialog(FileDialogId id, std::string_view filter,
                                              bool mustExist) override;
    std::optional<std::string> saveFileDialog(FileDialogId id, std::string_view filter) override;
    void setDialogPath(FileDialogId id, const std::string& path) override;
    void fileError(std::string_view reason) override;
    bool shellOpen(const std::string& path) override;
    // One window, reused and raised by each call; it stays open beside the editor.
    void showTextWindow(std::string_view title, std::string_view utf8Text) override;
    void writeFileAssociation() override;
    std::vector<std::string> arguments() const override;
    std::string executablePath() const override;
    std::string executableDir() const override;
    // The application's clipboard: both types in one QMimeData.
    void setClipboard(std::string_view mimeType, std::string_view text) override;
    std::optional<std::string> clipboardText(std::string_view mimeType) override;

    ~QtServices() override;
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

  private:
    QWidget* parent_;
    QPointer<HelpTextWindow> textWindow_;
    std::map<FileDialogId, QString> lastPaths_;
    std::optional<std::vector<std::string>> args_;
};

} // namespace zw
