// Names for the toolbar's buttons in tests, and every tool's id.
#pragma once

#include "editor/commands/toolbar.h"
#include "editor/tools/copy_tool.h"
#include "editor/tools/create_connection_tool.h"
#include "editor/tools/create_zone_tool.h"
#include "editor/tools/delete_tool.h"
#include "editor/tools/move_tool.h"
#include "editor/tools/selection_tool.h"

namespace zw::test::buttons {

inline constexpr ToolbarId New = "new";
inline constexpr ToolbarId Pattern = "pattern";
inline constexpr ToolbarId Load = "open";
inline constexpr ToolbarId Save = "save";
inline constexpr ToolbarId Import = "import";
inline constexpr ToolbarId Compile = "compile";
inline constexpr ToolbarId StepBack = "back";
inline constexpr ToolbarId StepForward = "forward";
inline constexpr ToolbarId CreateZone = kCreateZoneTool;
inline constexpr ToolbarId CreateConnection = kCreateConnectionTool;
inline constexpr ToolbarId Delete = kDeleteTool;
inline constexpr ToolbarId Move = kMoveTool;
inline constexpr ToolbarId Copy = kCopyTool;
inline constexpr ToolbarId SymmetryMenu = "symmetry";
inline constexpr ToolbarId Select = kSelectionTool;
inline constexpr ToolbarId Settings = "settings";
inline constexpr ToolbarId ZoomIn = "zoomin";
inline constexpr ToolbarId ZoomOut = "zoomout";
inline constexpr ToolbarId Readme = "readme";
inline constexpr ToolbarId Check = "check";
inline constexpr ToolbarId ScrollUp = "up";
inline constexpr ToolbarId ScrollDown = "down";
inline constexpr ToolbarId ScrollLeft = "left";
inline constexpr ToolbarId ScrollRight = "right";
inline constexpr ToolbarId Origin = "origin";
inline constexpr ToolbarId Analysis = "analysis";

} // namespace zw::test::buttons
