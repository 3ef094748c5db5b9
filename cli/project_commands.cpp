#include "cli/commands.h"

namespace zw::cli {

void addProjectCommands(CLI::App&, int&) {}

} // namespace zw::cli
