// The question before the main window closes.
#pragma once

namespace zw {

class Session;

// Whether the main window may close (asks about unsaved changes). A clean
// close leaves nothing to recover.
bool closeRequest(Session& session);

} // namespace zw
