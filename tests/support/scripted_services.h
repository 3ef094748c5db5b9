// Services for tests: answers come from queues, and
// every message, dialog and error is recorded.
#pragma once

#include "platform/services.h"

#include <deque>
#include <map>
#include <utility>

namespace zw {

struct RecordedMessage {
    std::string text;
    MessageKind kind;
    MessageButtons buttons;
};

class ScriptedServices : public Services {
  public:
    // Answers, consumed in order. An empty queue answers message boxes with
    // Ok / No (for Yes-No) / Cancel (for Yes-No-Cancel) and cancels file dialogs.
    std::deque<MessageResult> messageAnswers;
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;

    // What was shown.
    std::vector<RecordedMessage> messages;
    std::vector<std::string> fileErrors;
    std::vector<std::string> shellOpened;
    bool shellOpenSucceeds = true;                                // what shellOpen answers
    std::vector<std::pair<std::string, std::string>> textWindows; // title, text of each shown
    std::vector<std::string> openFilters; // filter of each open dialog shown
    std::vector<std::string> saveFilters; // filter of each save dialog shown
    std::map<FileDialogId, std::string> dialogPaths;
    int associationWrites = 0;

    // The clipboard: the data under each MIME type ("text/plain" for plain text).
    std::map<std::string, std::string, std::less<>> clipboard;

    std::vector<std::string> args;
    std::string exePath = "/usr/local/bin/zonewright";
    std::string exeDir = "/usr/local/bin";
    // The files commands read and write; the system's when null.
    FileSystem* files = nullptr;

    MessageResult messageBox(std::string_view text, MessageKind kind,
                             MessageButtons buttons) override;
    std::optional<std::string> openFileDialog(FileDialogId id, std::string_view filter,
                                              bool mustExist) override;
    std::optional<std::string> saveFileDialog(FileDialogId id, std::string_view filter) override;
    void setDialogPath(FileDialogId id, const std::string& path) override;
    void fileError(std::string_view reason) override;
    bool shellOpen(const std::string& path) override;
    void showTextWindow(std::string_view title, std::string_view utf8Text) override;
    void writeFileAssociation() override;
    std::vector<std::string> arguments() const override { return args; }
    std::string executablePath() const override { return exePath; }
    std::string executableDir() const override { return exeDir; }
    FileSystem& fileSystem() override { return files ? *files : systemFileSystem(); }
    void setClipboard(std::string_view mimeType, std::string_view text) override;
    std::optional<std::string> clipboardText(std::string_view mimeType) override;

    // Texts of all recorded messages, in order.
    std::vector<std::string> messageTexts() const;
};

} // namespace zw
