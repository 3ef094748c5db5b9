#include "cli/commands.h"

namespace zw::cli {

void addRenderCommand(CLI::App&, int&) {}

} // namespace zw::cli
