// The zone dialog on several selected zones.
#pragma once

namespace zw {

class Editor;

// The zone dialog on every selected zone; OK writes the changed fields into
// each as one step once every resulting zone passes the zone rules.
void editSelectedZones(Editor& editor);

} // namespace zw
