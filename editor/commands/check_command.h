// The check command: the template check with its message.
#pragma once

#include "model/records.h"
#include "platform/services.h"

namespace zw {

// The template check; shows its finding and returns false, or returns true.
bool checkAndReport(const TRmg& rmg, Services& services);
// The check button: checkAndReport, then "Ошибок не обнаружено" when it passes.
void checkCommand(const TRmg& rmg, Services& services);

} // namespace zw
