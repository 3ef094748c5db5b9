// The static Windows build of zonewright-cli has no Qt to paint with: its
// render command says so instead of drawing.
#include "cli/commands.h"
#include "cli/common.h"

namespace zw::cli {

void addRenderCommand(CLI::App& app, int& result) {
    auto* cmd = app.add_subcommand("render", "Draw a project as a PNG picture (not in this build)");
    cmd->allow_extras();
    cmd->callback([&result] {
        printError("render is not available in this build: it needs Qt");
        result = 1;
    });
}

} // namespace zw::cli
