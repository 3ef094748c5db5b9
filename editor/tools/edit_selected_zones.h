// The zone dialog on several selected zones: a right press on a zone of a
// selection of several zones, with any tool or none.
#pragma once

#include "editor/tools/tool.h"

namespace zw {

// The zone dialog on every selected zone; OK writes the changed fields into
// each as one step once every resulting zone passes the zone rules.
void editSelectedZones(ToolContext& ctx);

} // namespace zw
