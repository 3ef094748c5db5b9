#include "editor/commands/toolbar.h"

#include "support/mouse_harness.h"

#include <gtest/gtest.h>

#include <set>

namespace zw {
namespace {

// Every button is found by its id, does exactly one thing, and a tool button
// puts down the tool of its own id: a row whose ids disagree would leave its
// button up after a click, or put another tool down.
TEST(ToolbarTable, IdsAreUniqueAndEveryToolButtonPutsDownItsOwnTool) {
    MouseHarness h;
    std::set<ToolbarId> seen;
    for (const ToolbarEntry& entry : toolbarEntries()) {
        SCOPED_TRACE(std::string(entry.id));
        EXPECT_TRUE(seen.insert(entry.id).second);
        // A button puts down a tool, runs a command or opens a menu: one of them.
        EXPECT_EQ(int{entry.isTool()} + int{entry.run != nullptr} + int{entry.menu != nullptr}, 1);
        if (entry.isTool()) {
            h.editor.toolClicked(entry.id);
            EXPECT_EQ(h.editor.tool(), entry.id);
            h.editor.toolClicked(entry.id);
            EXPECT_EQ(h.editor.tool(), kNoTool);
        }
    }
    EXPECT_EQ(findToolbarEntry("no such button"), nullptr);
}

} // namespace
} // namespace zw
