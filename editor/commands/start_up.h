// The editor's start-up.
#pragma once

namespace zw {

class Session;

// Run once the main window is shown: the new template, the file association,
// work an earlier editor left unsaved, and the project named on the command line.
void startUp(Session& session);

} // namespace zw
