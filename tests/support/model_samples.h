// Test data for the project file, history and check tests: a template that
// sets every field to a value of its own, zones of given owners and crafted
// file images.
#pragma once

#include "editor/editor.h"
#include "model/records.h"
#include "support/scratch_dir.h"
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

// The worked example: start zones of players 1 and 2 (each with a town with a
// fort), a treasure zone, and a connection from each start to it, the second a
// wide passage. It passes the check.
TRmg workedExample(std::string name);

// A zlib stream of `body` (level 9 unless given) and a whole project file image.
std::string zlibStream(std::string_view body, int level = 9);
std::string projectImage(std::string_view body);

// Counts the editor's notifications to the window.
struct CountingView : EditorView {
    int redraws = 0;
    int captions = 0;
    int buttons = 0;
    int scrollBars = 0;
    int panelChanges = 0;
    int templateChanges = 0;
    void redraw() override { ++redraws; }
    void captionChanged() override { ++captions; }
    void buttonsChanged() override { ++buttons; }
    void scrollBarsChanged() override { ++scrollBars; }
    void infoPanelChanged() override { ++panelChanges; }
    void templateChanged() override { ++templateChanges; }
};

} // namespace zw::test
