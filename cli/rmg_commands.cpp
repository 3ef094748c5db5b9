#include "cli/commands.h"

namespace zw::cli {

void addRmgCommands(CLI::App&, int&) {}

} // namespace zw::cli
