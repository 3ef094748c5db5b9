// The check command: the template check with its message.
#pragma once

namespace zw {

class Editor;

// The template check; shows its finding and returns false, or returns true.
bool checkAndReport(Editor& editor);
// The check button: checkAndReport, then "Ошибок не обнаружено" when it passes.
void checkCommand(Editor& editor);

} // namespace zw
