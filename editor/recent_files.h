// The list of recently used project files.
//
// The last kMaxRecentFiles projects opened or saved, the latest first, for the
// drop-down of the load button and Ctrl+Shift+O. The window keeps the list in
// the toolkit's settings store as a list of strings.
//
// What the window does with it:
// - A successful load adds the path that was read; a save that wrote its file
//   adds the path written (with the extension the save appended). Opening a
//   recovery file adds nothing. Store toStrings() after each change.
// - Picking an entry: dropIfMissing(path) first; when it returns a message,
//   show it (information, OK) and store the shorter list; otherwise load the
//   path as the load command does with a command-line file.
// - At start: fromStrings(stored), which also cleans up whatever the store holds.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

inline constexpr size_t kMaxRecentFiles = 8;
// Longer stored strings are no paths of ours and are dropped when read.
inline constexpr size_t kMaxRecentPathBytes = 4096;

// "Файл не найден и удален из списка последних файлов:" and the path, UTF-8.
std::string missingRecentFileMessage(std::string_view path);

class RecentFiles {
  public:
    // Paths (UTF-8) as they were given, the latest first. The file dialogs and
    // the command line give them in the system's own form (see nativePath).
    const std::vector<std::string>& paths() const { return paths_; }

    // Puts `path` at the top. An entry for the same file (samePath: on Windows
    // "Z:/a.tpz" and "z:\A.tpz" are one) gives way to it; the oldest falls off beyond
    // kMaxRecentFiles. Empty paths are ignored.
    void add(const std::string& path);
    // When `path` no longer names a file: removes its entries from the list and
    // returns the message for the user. Nothing happens for a file that exists.
    std::optional<std::string>
    dropIfMissing(const std::string& path,
                  const std::function<bool(const std::string&)>& exists = defaultExists);

    std::vector<std::string> toStrings() const { return paths_; }
    // The stored list read back: empty and overlong entries and later ones for
    // a file already listed are skipped, and at most
    // kMaxRecentFiles are kept, in their order.
    static RecentFiles fromStrings(const std::vector<std::string>& stored);

  private:
    static bool defaultExists(const std::string& path);
    void erase(const std::string& path);
    std::vector<std::string> paths_;
};

} // namespace zw
