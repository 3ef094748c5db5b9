// What the import of an rmg.txt table gives back for a template compiled into
// it, for the tests that go round from the editor to the table and back.
#pragma once

#include "model/records.h"

namespace zw::test {

// Zones in the same order with positions laid out anew and apart, one town of
// one kind written as the count of that kind, connections from their
// lower-numbered zone, and only an ordinary passage carrying its guard.
void expectImportedAsCompiled(const TRmg& imported, const TRmg& compiled);

} // namespace zw::test
