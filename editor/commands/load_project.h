// Load: a project file into the editor.
#pragma once

#include <string>

namespace zw {

class Session;

// Loads a project: the pending command-line path when one is set, else the
// open dialog; after the question about unsaved changes.
void loadProject(Session& session);

// An entry of the recent files picked: a file that is gone is dropped from the
// list with a message, any other is loaded as the load command loads it.
void openRecent(Session& session, const std::string& path);

} // namespace zw
