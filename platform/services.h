// Window-system services used by every command: message boxes, file dialogs,
// the standard error box for failed file operations, the shell, the file
// association and facts about the running program.
//
// Commands are written against this interface only. The editor provides a Qt
// implementation (platform/qt_services.h), the command-line tool one that
// prints (cli/cli_services.h), and tests one that answers from queues and
// records what was shown (tests/support/scripted_services.h).
#pragma once

#include "model/translation.h"
#include "platform/files.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

enum class MessageKind { Error, Warning, Information, Confirmation };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageResult { Ok, Yes, No, Cancel };

// The application's title: the caption of its message boxes and the name the
// desktop shows for it.
// Russian, as the texts below; shown through translated("Platform", ...).
inline constexpr std::string_view kApplicationTitle = ZW_TR_NOOP("Platform", "Редактор шаблонов");

// The four file dialogs of the main window; each remembers its last path for the run.
enum class FileDialogId { OpenProject, SaveProject, OpenRmg, SaveRmg };

// Filter texts: pairs of a description and a pattern separated by vertical bars.
inline constexpr std::string_view kOpenProjectFilter =
    ZW_TR_NOOP("Platform", "Файл шаблона 0.95 (*.tpz)|*.tpz|Любой файл|*.*");
inline constexpr std::string_view kSaveProjectFilter =
    ZW_TR_NOOP("Platform", "Файл шаблона (*.tpz)|*.tpz|Любой файл|*.*");
inline constexpr std::string_view kRmgFilter =
    ZW_TR_NOOP("Platform", "rmg.txt|rmg.txt|Любой файл|*.*");

class Services {
  public:
    virtual ~Services() = default;

    // Modal message box. `text` is UTF-8; a CR ('\r') starts a new line.
    virtual MessageResult messageBox(std::string_view text, MessageKind kind,
                                     MessageButtons buttons) = 0;

    // Open-file dialog; nullopt when the user cancels.
    virtual std::optional<std::string> openFileDialog(FileDialogId id, std::string_view filter,
                                                      bool mustExist) = 0;
    // Save-file dialog: asks nothing before overwriting and adds no extension.
    virtual std::optional<std::string> saveFileDialog(FileDialogId id, std::string_view filter) = 0;
    // Sets the path a dialog proposes next time.
    virtual void setDialogPath(FileDialogId id, const std::string& path) = 0;

    // The standard error box of a failed file operation, with the system's reason (UTF-8).
    virtual void fileError(std::string_view reason) = 0;

    // Asks the desktop to open a file with its associated program; false when
    // no program could be started for it.
    virtual bool shellOpen(const std::string& path) = 0;

    // Shows a text in a read-only window of the editor. `title` and `utf8Text`
    // are UTF-8; CR LF, CR and LF all end a line.
    virtual void showTextWindow(std::string_view title, std::string_view utf8Text) = 0;

    // Registers the editor as the handler of ".tpz" files. Failures are silent.
    virtual void writeFileAssociation() = 0;

    // Asks for a whole number in [min, max] in a small modal window (`title` and
    // `label` UTF-8); nullopt when the user cancels. Without a window: nullopt.
    virtual std::optional<int> askNumber(std::string_view /*title*/, std::string_view /*label*/,
                                         int /*min*/, int /*max*/) {
        return std::nullopt;
    }

    // Command-line arguments after the program name.
    virtual std::vector<std::string> arguments() const = 0;
    // Full path of the running executable and its folder.
    virtual std::string executablePath() const = 0;
    virtual std::string executableDir() const = 0;

    // The files every command reads and writes.
    virtual FileSystem& fileSystem() { return systemFileSystem(); }

    // The system clipboard, shared with other programs. setClipboard puts
    // `text` (UTF-8) there under `mimeType` and as plain text at once;
    // clipboardText answers the `mimeType` data when there is some, else the
    // plain text, else nullopt. Without a clipboard (the command-line tool)
    // nothing is kept.
    virtual void setClipboard(std::string_view /*mimeType*/, std::string_view /*text*/) {}
    virtual std::optional<std::string> clipboardText(std::string_view /*mimeType*/) {
        return std::nullopt;
    }
};

} // namespace zw
