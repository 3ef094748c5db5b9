// Save: the template into a project file.
#pragma once

namespace zw {

class Session;

// Saves the template through the save dialog, written whole through a
// temporary file. True when it was written; the template then counts as saved.
bool saveProject(Session& session);

} // namespace zw
