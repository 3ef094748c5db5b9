// A new template made from a pattern (pattern/generate.h).
#pragma once

namespace zw {

class Session;

// The pattern dialog; on OK, after the question about unsaved changes, the
// generated template replaces the current one as a new template does, counts
// as unsaved, and is shown whole.
void newFromPattern(Session& session);

} // namespace zw
