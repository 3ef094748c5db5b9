// The question before the main window closes.
#include "editor/commands/close_request.h"

#include "editor/commands/new_template.h"
#include "editor/session.h"

namespace zw {

bool closeRequest(Session& session) {
    if (!saveChangesFirst(session))
        return false;
    session.dropRecoveryCopy();
    return true;
}

} // namespace zw
