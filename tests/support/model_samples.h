// Test data for the project file, history and check tests: a template that
// sets every field to a value of its own, crafted file images, and a temporary
// folder removed with everything in it.
#pragma once

#include "editor/editor.h"
#include "model/records.h"
#include "support/toolbar_ids.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zw::test {

// Three zones and two connections whose fields (padding aside) all differ from
// the defaults and from each other, with unused passage slots that hold data.
TRmg richTemplate();

// A start zone of `owner` at a free grid node.
ZoneRecord startZone(int32_t owner, int32_t gridX = 0, int32_t gridY = 0);
ZoneRecord ownedZone(int32_t kind, int32_t owner);

// A zlib stream of `body` (level 9 unless given) and a whole project file image.
std::string zlibStream(std::string_view body, int level = 9);
std::string projectImage(std::string_view body);

// Counts the editor's notifications to the window.
struct CountingView : EditorView {
    int redraws = 0;
    int captions = 0;
    int buttons = 0;
    int scrollBars = 0;
    void redraw() override { ++redraws; }
    void captionChanged() override { ++captions; }
    void buttonsChanged() override { ++buttons; }
    void scrollBarsChanged() override { ++scrollBars; }
};

// A fresh folder under the system's temporary folder, removed on destruction.
// A UTF-8 path as the standard library's path (which on Windows would read a
// narrow string in the ANSI code page), and back.
std::filesystem::path fsPath(std::string_view utf8);
std::string utf8Path(const std::filesystem::path& path);

class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }
    // Names of the entries in the folder, sorted.
    std::string listing() const;

  private:
    std::string path_;
};

// Whole-file helpers that fail the test on error.
std::string slurp(const std::string& path);
void spit(const std::string& path, std::string_view bytes);

} // namespace zw::test
