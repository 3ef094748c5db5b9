// Registers the editor as the desktop's handler of ".tpz" project files.
//
// On Windows these are four default values under HKEY_CURRENT_USER\Software\Classes
// (what HKEY_CLASSES_ROOT shows for the user). On a
// freedesktop system the same facts are a shared-mime-info package declaring
// the file type, a desktop entry that opens a file with the running executable,
// the type's default application in mimeapps.list (only when the user has
// none), and an icon. The association is rewritten at every start; nothing
// here reports failure to the user. The desktop's cache tools run on a worker
// thread, so the caller (the window's thread) never waits for them.
#pragma once

#include <chrono>
#include <future>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

inline constexpr std::string_view kTpzMimeType = "application/x-zonewright-template";
inline constexpr std::string_view kDesktopFileName = "zonewright.desktop";
inline constexpr std::string_view kTpzTypeDescription = "Шаблон для случайных карт Kelvar";

struct AssociationPaths {
    std::string dataHome;   // $XDG_DATA_HOME, default ~/.local/share
    std::string configHome; // $XDG_CONFIG_HOME, default ~/.config
};

// The base folders from the environment; an empty field when neither the XDG
// variable (absolute paths only) nor HOME gives one.
AssociationPaths associationPathsFromEnvironment();

// The shared-mime-info package declaring "*.tpz" files (UTF-8 XML).
std::string mimePackageXml();

// The desktop entry whose Exec line runs `exePath` with the file to open.
std::string desktopEntry(std::string_view exePath);

// The Exec value for `exePath`: the path quoted as one argument, followed by %f,
// escaped for a desktop entry's string value.
std::string desktopExecValue(std::string_view exePath);

// `existing` mimeapps.list text with the ".tpz" type's default application set
// to the editor's desktop entry when it names none (no line for the type or an
// empty one); every other line stays as it was. An application the user chose
// stays the default: the text comes back unchanged.
std::string withDefaultApplication(std::string_view existing);

// The icon of project files and of the desktop entry (SVG).
std::string associationIconSvg();

struct AssociationOptions {
    // Run update-mime-database and update-desktop-database when a file changed
    // and the tool is found on PATH.
    bool refreshCaches = true;
    // How long to wait for each refresh tool before it is stopped.
    std::chrono::milliseconds toolTimeout{5000};
};

struct AssociationResult {
    bool ok = false;      // every file is in place
    bool changed = false; // some file's content differed from what was there
    int toolsRun = 0;     // refresh tools started on the worker thread
    // Ready once the refresh tools have finished (at once when none were started).
    std::shared_future<void> refreshed;
};

// Writes the association for the executable at `exePath` under `paths`.
AssociationResult writeAssociation(std::string_view exePath, const AssociationPaths& paths,
                                   const AssociationOptions& options = {});

// Runs `program` (a full path) with `args`, without a shell, with its output
// discarded; waits at most `timeout`, then stops it. True when it ran and exited 0.
bool runToolWithTimeout(const std::string& program, const std::vector<std::string>& args,
                        std::chrono::milliseconds timeout);

// The full path of `name` found in the folders of $PATH, or empty.
std::string findOnPath(std::string_view name);

} // namespace zw
